#pragma once
// Every text of the worksheet window that is not in one of the settings tables.
// Full-width characters are part of the texts: the ideographic space U+3000 spaces
// the answer blanks, the name line and the option texts as the printed sheet needs.

#include <QString>

namespace Texts {

// The window
inline const QString WindowCaption = QStringLiteral("Kestrum");
inline const QString ProjectName = QStringLiteral("Kestrum");
inline const QString Heading = QStringLiteral("重さはいくらでしょう。");
inline const QString HeadingReading = QStringLiteral("おも");
inline const QString HeadingDraw = QStringLiteral("はりをかきましょう。");
inline const QString DateAndName = QStringLiteral("　月　日（　）名前　　　　    　　");

// The button panel
inline const QString ButtonPrinterSetup = QStringLiteral("プリンタ設定(&U)");
inline const QString HintPrinterSetup = QStringLiteral("プリンタの設定をします。");
inline const QString ButtonPrintOut = QStringLiteral("印刷(&P)");
inline const QString HintPrintOut = QStringLiteral("プリンタで印刷します。");
inline const QString ButtonNew = QStringLiteral("更新(&N)");
inline const QString ButtonStart = QStringLiteral("初期設定(&S)");

// Answer keys, sheet codes and class sets
inline const QString CheckBoxAnswers = QStringLiteral("答え(&E)");
inline const QString HintAnswers = QStringLiteral("答えを赤で表示し、そのまま印刷します。");
inline const QString ButtonPrintSet = QStringLiteral("まとめて印刷(&B)");
inline const QString HintPrintSet = QStringLiteral("違う問題のシートを何枚もまとめて印刷します。");
inline const QString ButtonRecall = QStringLiteral("呼出し(&L)");
inline const QString HintRecall = QStringLiteral("シートのコードから同じシートを呼び出します。");
inline const QString KeyTitle = QStringLiteral("解答");
inline const QString RecallCaption = QStringLiteral("シートの呼出し");
inline const QString RecallPrompt = QStringLiteral("シートの下に印刷されたコードを入力してください:");
inline const QString RecallOk = QStringLiteral("呼出し");
inline const QString Cancel = QStringLiteral("キャンセル");

// Practice on screen. The teacher may open the settings panel during practice, so its
// letters are taken: "練習" takes D (R is the range's) and "答え合わせ" O (M is the density's).
inline const QString CheckBoxPractice = QStringLiteral("練習(&D)");
inline const QString ButtonMark = QStringLiteral("答え合わせ(&O)");
inline const QString ButtonNextSheet = QStringLiteral("つぎの問題(&X)");
inline const QString MarkRight = QStringLiteral("○");
// Followed by the right answer, in the blank's form.
inline const QString MarkWrong = QStringLiteral("×");
// %1 the problems, %2 those answered right.
inline const QString PracticeScore = QStringLiteral("%1問中%2問正解");
// %1 the sheets marked since the window opened, %2 the problems right of %3.
inline const QString PracticeTally = QStringLiteral("これまで %1枚 %2/%3問");

// At start-up, where the worksheet's faces (%1) are missing; %2 is the package that brings them.
inline const QString FontsMissing =
    QStringLiteral("ワークシートのフォント（%1）が見つかりません。このままでは文字が正しく表示・印刷されません。"
                   "パッケージ %2 をインストールしてください。");

// Saving a PDF: the heading over the file's name and the reason, then each reason.
inline const QString PdfSaveFailed = QStringLiteral("PDFを保存できませんでした。\n%1\n%2");
inline const QString PdfNoFileName = QStringLiteral("ファイル名がありません。");
inline const QString PdfNoFolder = QStringLiteral("保存先のフォルダがありません。");
inline const QString PdfIsFolder = QStringLiteral("同じ名前のフォルダがあります。");
inline const QString PdfNotAFile = QStringLiteral("ふつうのファイルではないため、置き換えません。");
inline const QString PdfReadOnly = QStringLiteral("書き込みが禁止されたファイルのため、置き換えません。");
inline const QString PdfNameTooLong = QStringLiteral("ファイル名が長すぎます。");
inline const QString PdfIncomplete =
    QStringLiteral("ファイルを最後まで書き込めませんでした。ディスクの空きを確かめてください。");
inline const QString PdfNoPermission = QStringLiteral("ここに保存する権限がありません。");
inline const QString PdfReadOnlyPlace = QStringLiteral("書き込みできない場所です。");
inline const QString PdfDiskFull = QStringLiteral("ディスクの空きが足りません。");
inline const QString PdfTooLarge = QStringLiteral("ファイルが大きすぎます。");
inline const QString PdfDiskError = QStringLiteral("ディスクの読み書きに失敗しました。");
// %1: the system's error number, for whoever looks into it
inline const QString PdfOtherError = QStringLiteral("保存中にエラーが起きました（エラー番号 %1）。");

// The class set dialog's questions and reports
// Said before anything is made: the settings cannot give that many different sheets.
inline const QString SetCannotFill =
    QStringLiteral("この設定では%1枚の違うシートを作れません。範囲を広げるか、刻みを小さくしてください。");
// Asked before a set goes to the printer: %1 the printer (or file), %2 the pages.
inline const QString SetPrintQuestion = QStringLiteral("プリンタ: %1\n%2ページを印刷しますか？");
inline const QString SetPrintConfirm = QStringLiteral("印刷");
inline const QString SetPrinted = QStringLiteral("%1ページを %2 で印刷しました。");
inline const QString SetSaved = QStringLiteral("%1ページを %2 に保存しました。");

// The settings panel
inline const QString GroupBoxStart = QStringLiteral("初期設定(&S)");
inline const QString GroupBoxScales = QStringLiteral("秤");
inline const QString RadioGroupKind = QStringLiteral("最大重量(&K)");
inline const QString RadioGroupSparselyDensely = QStringLiteral("目盛間隔の疎密(&M)");
inline const QString ItemSparsely = QStringLiteral("疎");
inline const QString ItemDensely = QStringLiteral("密");
inline const QString RadioGroupPer200 = QStringLiteral("1/200(&T)");
inline const QString ItemHide = QStringLiteral("非表示");
inline const QString ItemShow = QStringLiteral("表示");
inline const QString RadioGroupShow = QStringLiteral("表示(&H)");
inline const QString ItemWhole = QStringLiteral("全体");
inline const QString ItemEnlarged = QStringLiteral("部分を拡大");
inline const QString RadioGroupWeights = QStringLiteral("重さ（乱数発生）");
inline const QString GroupBoxDivision = QStringLiteral("刻み(&I)");
inline const QString GroupBoxRange = QStringLiteral("範囲(&R)");
// Drawn behind the two range boxes: "ｇ～" follows the lower box, "ｇ" the upper one.
inline const QString RangeUnits = QStringLiteral("  ｇ～　  　　　　ｇ");
// Beside the range's caption while the range holds too few weights for a sheet.
inline const QString RangeTooNarrow = QStringLiteral("重さが６つ未満です");
inline const QString RadioGroupUnit = QStringLiteral("解答欄の単位(&A)");
inline const QString ItemGramsOnly = QStringLiteral("ｇ　のみ");
inline const QString ItemKilogramsOnly = QStringLiteral("ｋｇ　のみ");
inline const QString ItemKilogramsAndGrams = QStringLiteral("ｋｇ　と　ｇ");
inline const QString RadioGroupExercise = QStringLiteral("問題(&Q)");
inline const QString ItemRead = QStringLiteral("目もりをよむ");
inline const QString ItemDraw = QStringLiteral("はりをかく");
inline const QString ButtonClose = QStringLiteral("閉じる(&C)");

// The hidden problem table's fixed texts
inline const QString TableRandom = QStringLiteral("乱数");
inline const QString TableWeight = QStringLiteral("重さ");
inline const QString TableProblem = QStringLiteral("問");

// Parts of the two summary lines at the foot of the sheet
inline const QString SparselySummary = QStringLiteral("疎密:疎, ");
inline const QString DenselySummary = QStringLiteral("疎密:密, ");
inline const QString Per200HideSummary = QStringLiteral("1/200:非表示, ");
inline const QString Per200ShowSummary = QStringLiteral("1/200:表示, ");
inline const QString WholeSummary = QStringLiteral("表示:全体, ");
inline const QString EnlargedSummary = QStringLiteral("表示:部分, ");
inline const QString UnitGramsSummary = QStringLiteral("単位:g");
inline const QString UnitKilogramsSummary = QStringLiteral("単位:kg");
inline const QString UnitKilogramsAndGramsSummary = QStringLiteral("単位:kg,g");
inline const QString DrawSummary = QStringLiteral(", 問題:はりをかく");
inline const QString RangePrefix = QStringLiteral("範囲:");
inline const QString RangeGramsTo = QStringLiteral("g ～ ");
inline const QString Kilograms = QStringLiteral("kg");
inline const QString Grams = QStringLiteral("g");
inline const QString PartEnd = QStringLiteral(", ");

// Answer blanks: the spaces, underlined, are the line the pupil writes on.
inline const QString BlankGrams = QStringLiteral("    　  g");
inline const QString BlankKilograms = QStringLiteral("    　 kg");
inline const QString BlankKilogramsAndGrams = QStringLiteral(" kg 　  g");

// The class set dialog
inline const QString SetCaption = QStringLiteral("まとめて印刷");
inline const QString SetSheetsLabel = QStringLiteral("枚数(&N):");
inline const QString SetAnswersLabel = QStringLiteral("解答(&A):");
inline const QString SetAnswersNone = QStringLiteral("なし");
inline const QString SetAnswersEach = QStringLiteral("各シートの後に解答");
inline const QString SetAnswersList = QStringLiteral("最後に解答一覧");
inline const QString SetPreview = QStringLiteral("プレビュー(&V)");
inline const QString SetSavePdf = QStringLiteral("PDFに保存(&F)");
inline const QString SetPrint = QStringLiteral("印刷(&P)");
inline const QString SetClose = QStringLiteral("閉じる");
inline const QString SetSaveCaption = QStringLiteral("PDFに保存");
inline const QString SetPdfFilter = QStringLiteral("PDF (*.pdf)");

// The answers list's page: its title and column headings ("問1" … "問6").
inline const QString ListTitle = QStringLiteral("解答一覧");
inline const QString ListNumber = QStringLiteral("番号");
inline const QString ListCode = QStringLiteral("コード");
inline const QString ListProblem = QStringLiteral("問");

// Why a print did not come out.
inline const QString PrintNoPrinter =
    QStringLiteral("デフォルト プリンタが存在しません\n\n"
                   "「プリンタ設定」でプリンタを選ぶか、PDF ファイルへの出力を選んでください。");
inline const QString PrintUnsupported = QStringLiteral("選択されたプリンタではサポートされていない機能です");
inline const QString PrintBusy = QStringLiteral("現在印刷中です");

// Why a typed sheet code cannot be read: %1 the code's length, or the character.
inline const QString CodeWrongLength = QStringLiteral("コードは「-」を除いて%1文字です。");
inline const QString CodeWrongCharacter = QStringLiteral("コードに使われない文字「%1」があります。");
inline const QString CodeNoSheet =
    QStringLiteral("このコードのシートはありません。打ち間違いがないか確かめてください。");

}  // namespace Texts
