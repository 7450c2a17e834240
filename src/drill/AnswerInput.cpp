#include "drill/AnswerInput.h"

#include <QtCore/qnamespace.h>

DrillKey drillKeyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Space: return SpaceKey;
    case Qt::Key_Left: return LeftKey;
    case Qt::Key_Up: return UpKey;
    case Qt::Key_Right: return RightKey;
    case Qt::Key_Down: return DownKey;
    case Qt::Key_Delete: return DeleteKey;
    default: return NoDrillKey;
    }
}

std::optional<char16_t> typedCharacter(int qtKey, const QString& text)
{
    switch (qtKey) {
    case Qt::Key_Backspace: return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnter;
    case Qt::Key_Escape: return kEscape;
    case Qt::Key_Delete: return std::nullopt;
    default: return text.isEmpty() ? std::nullopt : std::optional<char16_t>(text[0].unicode());
    }
}

bool isAnswerCharacter(char16_t character)
{
    return character >= u'*' && character <= u'9' && character != u'+';
}

double numericValue(const QString& text)
{
    qsizetype end = 0;
    if (end < text.size() && text[end] == u'-')
        ++end;
    bool pointSeen = false;
    for (; end < text.size(); ++end) {
        const QChar c = text[end];
        if (c == u'.' && !pointSeen)
            pointSeen = true;
        else if (c < u'0' || c > u'9')
            break;
    }
    bool ok = false;
    const double value = text.left(end).toDouble(&ok); // "-", "." and "-." are not numbers
    return ok ? value : 0.0;
}
