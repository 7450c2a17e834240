#pragma once
// A small, valid school tree in a fake file system, for settings tests.

#include "platform/TextFile.h"
#include "platform/fakes/FakeFileSystem.h"

#include <QStringList>

struct SchoolTreePaths {
    static inline const QString programFolder = QStringLiteral("/school/ミナモドリル");
    static inline const QString pathFile = QStringLiteral("/school/ミナモドリル/../パスデータ.txt");
    static inline const QString dataRoot = QStringLiteral("/data/");
    static inline const QString commonSettings = QStringLiteral("/data/共通データ.txt");
    static inline const QString criteriaTable = QStringLiteral("/data/ミナモドリル/タイム回数データ.txt");
    static inline const QString soundTable = QStringLiteral("/data/音フォルダ/新音ファイル.txt");
};

inline void writeValidSchoolTree(FakeFileSystem& files)
{
    files.put(SchoolTreePaths::pathFile,
              encodeLines({QStringLiteral("/data"), "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    files.put(SchoolTreePaths::commonSettings,
              encodeLines({"4", QStringLiteral("\"12345みなも塾\""), "1", "0", "0", "\"pass\"", "0", "0",
                           "0", "0"}));
    files.put(SchoolTreePaths::criteriaTable,
              encodeLines({QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,"),
                           "60,120,100,5,1.5,10,500,7,3,,,", "40,80,50,3,1,0,0,14,1,,,"}));
    files.put(SchoolTreePaths::soundTable,
              encodeLines({QStringLiteral("正解音2,seikai1,seikai2,*"), QStringLiteral("間違い音2,batu1,*")}));
}
