#include "foundation/LevelCatalogue.h"

#include "foundation/ScreenNames.h"

#include <optional>

namespace {
struct CatalogueEntry {
    const char16_t* name;
    std::optional<bool> practiceButtonShown;
};
// Levels 1..24. Levels 11 and 20 end in a half-width "1", as the
// catalogue has always had them; only levels 1..5 are offered.
const CatalogueEntry kLevels[] = {
    {u"繰り上がりなし", false}, {u"１０－＊", false},      {u"繰り上がり１", false},
    {u"＊－５", false},         {u"繰り上がり２", false},  {u"レベル２－２", {}},
    {u"レベル３練習", {}},      {u"レベル３－１", {}},     {u"レベル３－２", {}},
    {u"レベル４練習", {}},      {u"レベル４－1", {}},      {u"レベル４－２", {}},
    {u"レベル５練習", {}},      {u"レベル５－１", {}},     {u"レベル５－２", {}},
    {u"レベル６練習", {}},      {u"レベル６－１", {}},     {u"レベル６－２", {}},
    {u"レベル７練習", {}},      {u"レベル７－1", {}},      {u"レベル７－２", {}},
    {u"レベル８練習", {}},      {u"レベル８－１", {}},     {u"レベル８－２", {}},
};
} // namespace

void InitProgramProfile(SharedState& state)
{
    state.ProgramTitle = kProgramTitle;
    state.PrintButtonEnabled = false;
    state.AllLevelsOpen = true;
}

void fillLevelCatalogue(SharedState& state)
{
    state.LevelCount = 5;
    state.FinalLevelNo = 5;
    state.LevelNames.fill(QString());
    state.LevelTimed.fill(false);
    state.PracticeButtonShown.fill(std::nullopt);
    int level = 1;
    for (const CatalogueEntry& entry : kLevels) {
        state.LevelNames[level] = QString::fromUtf16(entry.name);
        state.LevelTimed[level] = true;
        state.PracticeButtonShown[level] = entry.practiceButtonShown;
        ++level;
    }
}

void InitLevelCatalogue(AppContext& context)
{
    fillLevelCatalogue(context.state);
    context.navigator.show(ScreenNames::seisekitime1);
}

bool isPracticeLevel(const SharedState& state, int level)
{
    return state.LevelNames[level].contains(u'練');
}
