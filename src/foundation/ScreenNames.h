#pragma once
#include <QString>

// The names under which the navigator knows the program's screens.
namespace ScreenNames {
inline const QString Firstfrm = QStringLiteral("Firstfrm");
inline const QString namesel = QStringLiteral("namesel");
inline const QString seisekitime1 = QStringLiteral("seisekitime1");
inline const QString MainFrm = QStringLiteral("MainFrm");
inline const QString BASEFRM = QStringLiteral("BASEFRM");
inline const QString FrmSyuuryou = QStringLiteral("FrmSyuuryou");
inline const QString frmver = QStringLiteral("frmver");
inline const QString FrmData = QStringLiteral("FrmData");
inline const QString FrmTimeData = QStringLiteral("FrmTimeData");
} // namespace ScreenNames
