#pragma once
// The ways a print can fail, and the words the user reads for each: the printing
// layer's own messages, and for a missing printer what the teacher can do about it.

#include <QString>

#include <cstdint>

enum TPrintFailure : std::uint8_t {
    pfNone,
    pfNoPrinter,     // no printer to print to: nothing would come out anywhere
    pfUnsupported,   // the printer refused something the print needs
    pfBusy,          // a print is already running
};

inline const QString NoPrinterText =
    QStringLiteral("デフォルト プリンタが存在しません\n\n"
                   "「プリンタ設定」でプリンタを選ぶか、PDF ファイルへの出力を選んでください。");
inline const QString UnsupportedText =
    QStringLiteral("選択されたプリンタではサポートされていない機能です");
inline const QString BusyText = QStringLiteral("現在印刷中です");

inline QString PrintFailureText(TPrintFailure Failure)
{
    switch (Failure) {
    case pfNoPrinter: return NoPrinterText;
    case pfUnsupported: return UnsupportedText;
    case pfBusy: return BusyText;
    case pfNone: break;
    }
    return {};
}
