#pragma once
// Every text the program shows or prints, in Japanese, each translated where it is used
// (TranslatedText.h); translations/kestrum_en.ts holds the English. Full-width
// characters are part of the texts: the ideographic space U+3000 spaces the answer
// blanks, the name line and the option texts as the printed sheet needs. A translation
// keeps each text's width where the sheet lays it out (the blanks, the name line).
//
// A text not yet translatable is a plain QString here; making it translatable is one
// line: `inline constexpr TText X{QT_TRANSLATE_NOOP("Texts", "…")};`

#include "TranslatedText.h"

#include <QString>

namespace Texts {

// The window
inline const QString WindowCaption = QStringLiteral("Kestrum");
inline const QString ProjectName = QStringLiteral("Kestrum");
inline constexpr TText Heading{QT_TRANSLATE_NOOP("Texts", "重さはいくらでしょう。")};
// The heading's reading, over 重: Japanese only, shown with the Japanese heading alone.
inline const QString HeadingReading = QStringLiteral("おも");
inline constexpr TText HeadingDraw{QT_TRANSLATE_NOOP("Texts", "はりをかきましょう。")};
inline constexpr TText DateAndName{QT_TRANSLATE_NOOP("Texts", "　月　日（　）名前　　　　    　　")};

// The button panel
inline constexpr TText ButtonPrinterSetup{QT_TRANSLATE_NOOP("Texts", "プリンタ設定(&U)")};
inline constexpr TText HintPrinterSetup{QT_TRANSLATE_NOOP("Texts", "プリンタの設定をします。")};
inline constexpr TText ButtonPrintOut{QT_TRANSLATE_NOOP("Texts", "印刷(&P)")};
inline constexpr TText HintPrintOut{QT_TRANSLATE_NOOP("Texts", "プリンタで印刷します。")};
inline constexpr TText ButtonNew{QT_TRANSLATE_NOOP("Texts", "更新(&N)")};
inline constexpr TText ButtonStart{QT_TRANSLATE_NOOP("Texts", "初期設定(&S)")};

// Answer keys, sheet codes and class sets
inline constexpr TText CheckBoxAnswers{QT_TRANSLATE_NOOP("Texts", "答え(&E)")};
inline constexpr TText HintAnswers{QT_TRANSLATE_NOOP("Texts", "答えを赤で表示し、そのまま印刷します。")};
inline constexpr TText ButtonPrintSet{QT_TRANSLATE_NOOP("Texts", "まとめて印刷(&B)")};
inline constexpr TText HintPrintSet{QT_TRANSLATE_NOOP("Texts", "違う問題のシートを何枚もまとめて印刷します。")};
inline constexpr TText ButtonRecall{QT_TRANSLATE_NOOP("Texts", "呼出し(&L)")};
inline constexpr TText HintRecall{QT_TRANSLATE_NOOP("Texts", "シートのコードから同じシートを呼び出します。")};
inline constexpr TText KeyTitle{QT_TRANSLATE_NOOP("Texts", "解答")};
inline constexpr TText RecallCaption{QT_TRANSLATE_NOOP("Texts", "シートの呼出し")};
inline constexpr TText RecallPrompt{QT_TRANSLATE_NOOP("Texts", "シートの下に印刷されたコードを入力してください:")};
inline constexpr TText RecallOk{QT_TRANSLATE_NOOP("Texts", "呼出し")};
inline constexpr TText Cancel{QT_TRANSLATE_NOOP("Texts", "キャンセル")};

// Practice on screen. The teacher may open the settings panel during practice, so its
// letters are taken: "練習" takes D (R is the range's) and "答え合わせ" O (M is the density's).
inline constexpr TText CheckBoxPractice{QT_TRANSLATE_NOOP("Texts", "練習(&D)")};
inline constexpr TText ButtonMark{QT_TRANSLATE_NOOP("Texts", "答え合わせ(&O)")};
inline constexpr TText ButtonNextSheet{QT_TRANSLATE_NOOP("Texts", "つぎの問題(&X)")};
inline constexpr TText MarkRight{QT_TRANSLATE_NOOP("Texts", "○")};
// Followed by the right answer, in the blank's form.
inline constexpr TText MarkWrong{QT_TRANSLATE_NOOP("Texts", "×")};
// %1 the problems, %2 those answered right.
inline constexpr TText PracticeScore{QT_TRANSLATE_NOOP("Texts", "%1問中%2問正解")};
// %n the sheets marked since the window opened, %1 the problems right at the first try of %2.
inline constexpr TText PracticeTally{QT_TRANSLATE_N_NOOP("Texts", "これまで %n枚 %1/%2問")};
// After a first marking with wrong answers, and for a sheet all right at the first try.
inline constexpr TText PracticeTryAgain{QT_TRANSLATE_NOOP("Texts", "×のところを直して、もう一度答え合わせをしましょう。")};
inline constexpr TText PracticePerfect{QT_TRANSLATE_NOOP("Texts", "よくできました！")};
// Enter in the last box while others are still empty.
inline constexpr TText PracticeAskEmpty{QT_TRANSLATE_NOOP("Texts", "まだ答えを書いていないところがあります。答え合わせをしますか？")};
// Shows the sheet fitted to the window, for a projector.
inline constexpr TText CheckBoxFitView{QT_TRANSLATE_NOOP("Texts", "大きく表示(&Z)")};
// The program chooses the sheets, level by level. U is the printer setup's.
inline constexpr TText CheckBoxStepUp{QT_TRANSLATE_NOOP("Texts", "ステップアップ(&Y)")};
// %1 the pupil's level, %2 the levels there are.
inline constexpr TText LadderLevel{QT_TRANSLATE_NOOP("Texts", "レベル %1/%2")};
// The mistake a wrong answer shows; %1 of the mark size is the dial's finest mark in grams.
inline constexpr TText MistakeOneMarkOff{QT_TRANSLATE_NOOP("Texts", "目もり1つ分ずれています。")};
inline constexpr TText MistakeUnits{QT_TRANSLATE_NOOP("Texts", "kgとgのかきかたをまちがえています。")};
inline constexpr TText MistakeMarkSize{QT_TRANSLATE_NOOP("Texts", "小さい1目もりは%1gです。")};
inline constexpr TText MistakeNumeral{QT_TRANSLATE_NOOP("Texts", "近くの数字をよんでいます。はりの先を見ましょう。")};
inline constexpr TText MistakeWrongSide{QT_TRANSLATE_NOOP("Texts", "目もりを反対からかぞえています。")};
// The mistakes' short names, for the tally's most frequent one: %1 its name, %n how often.
inline constexpr TText NameOneMarkOff{QT_TRANSLATE_NOOP("Texts", "目もり1つずれ")};
inline constexpr TText NameUnits{QT_TRANSLATE_NOOP("Texts", "kgとg")};
inline constexpr TText NameMarkSize{QT_TRANSLATE_NOOP("Texts", "1目もりの大きさ")};
inline constexpr TText NameNumeral{QT_TRANSLATE_NOOP("Texts", "近くの数字")};
inline constexpr TText NameWrongSide{QT_TRANSLATE_NOOP("Texts", "反対からかぞえる")};
inline constexpr TText PracticeMostMistaken{QT_TRANSLATE_N_NOOP("Texts", " (多いまちがい: %1 %n)")};
// The way to read the right weight: %1 the numeral with its unit, then the small marks
// past it (their count and size in grams), then the weight as the blank writes it.
inline constexpr TText ReadingWayMarks{QT_TRANSLATE_NOOP("Texts", "%1 から 小さい目もり%2つ (1つ%3g) → %4")};
inline constexpr TText ReadingWayOneMark{QT_TRANSLATE_NOOP("Texts", "%1 から 小さい目もり1つ (1つ%2g) → %3")};
inline constexpr TText ReadingWayNumeral{QT_TRANSLATE_NOOP("Texts", "数字%1のところ → %2")};

// The class on tablets, served from the window. J, V and F are the letters left free.
inline constexpr TText ButtonClass{QT_TRANSLATE_NOOP("Texts", "クラス(&J)")};
inline constexpr TText HintClass{QT_TRANSLATE_NOOP("Texts", "タブレットでクラスの練習を始めます。")};
inline constexpr TText ClassPanelTitle{QT_TRANSLATE_NOOP("Texts", "クラス")};
inline constexpr TText ClassCodeCaption{QT_TRANSLATE_NOOP("Texts", "クラスコード")};
inline constexpr TText ClassAddressCaption{QT_TRANSLATE_NOOP("Texts", "タブレットで開くアドレス:")};
inline constexpr TText ButtonClassEnd{QT_TRANSLATE_NOOP("Texts", "終了(&V)")};
inline constexpr TText ButtonClassCsv{QT_TRANSLATE_NOOP("Texts", "CSV書き出し(&F)")};
inline constexpr TText PanelClose{QT_TRANSLATE_NOOP("Texts", "閉じる")};
inline constexpr TText ClassesCaption{QT_TRANSLATE_NOOP("Texts", "表示するクラス:")};
// In the list of classes: %1 when it started, %2 its code.
inline const QString ClassListed = QStringLiteral("%1  %2");
inline constexpr TText ClassRunning{QT_TRANSLATE_NOOP("Texts", "%1  %2（実行中）")};
inline constexpr TText ClassEnded{QT_TRANSLATE_NOOP("Texts", "クラスを終了しました。")};
inline constexpr TText ClassCannotStart{QT_TRANSLATE_NOOP("Texts", "クラスを始められません。")};
// The board's columns.
inline constexpr TText BoardName{QT_TRANSLATE_NOOP("Texts", "名前")};
inline constexpr TText BoardSheets{QT_TRANSLATE_NOOP("Texts", "シート")};
inline constexpr TText BoardRight{QT_TRANSLATE_NOOP("Texts", "正解 / 問題")};
inline constexpr TText BoardLevel{QT_TRANSLATE_NOOP("Texts", "レベル")};
inline constexpr TText BoardMistake{QT_TRANSLATE_NOOP("Texts", "多いまちがい")};
// %1 a mistake's short name, %2 how often it was made.
inline const QString BoardMistakeCount = QStringLiteral("%1 %2");
// %1 every named mistake with its count, ListSeparator between them.
inline constexpr TText ClassMistakes{QT_TRANSLATE_NOOP("Texts", "クラスのまちがい: %1")};
inline constexpr TText ListSeparator{QT_TRANSLATE_NOOP("Texts", "、")};
inline constexpr TText ClassCsvCaption{QT_TRANSLATE_NOOP("Texts", "CSV書き出し")};
inline const QString ClassCsvFilter = QStringLiteral("CSV (*.csv)");
// %1 the file, %2 why
inline constexpr TText ClassCsvWritten{QT_TRANSLATE_NOOP("Texts", "%1 に書き出しました。")};
inline constexpr TText ClassCsvFailed{QT_TRANSLATE_NOOP("Texts", "%1 に書き出せませんでした: %2")};
// The pupils' page on a tablet, for pupils of the third grade, and the teacher's board.
inline constexpr TText PageName{QT_TRANSLATE_NOOP("Texts", "なまえ（または 出席番号）")};
inline constexpr TText PageClass{QT_TRANSLATE_NOOP("Texts", "クラスのコード")};
inline constexpr TText PageStart{QT_TRANSLATE_NOOP("Texts", "はじめる")};
inline constexpr TText PageWrongClass{QT_TRANSLATE_NOOP("Texts", "クラスのコードがちがいます。")};
inline constexpr TText PageBadName{QT_TRANSLATE_NOOP("Texts", "なまえは 20文字までで 書きましょう。")};
// Shown quietly while the tablet cannot reach the teacher's computer; it tries again.
inline constexpr TText PageReconnecting{QT_TRANSLATE_NOOP("Texts", "つないでいます…")};
inline constexpr TText PageEnded{QT_TRANSLATE_NOOP("Texts", "クラスは終わりました。")};
// %1 the sheet's number since the pupil joined.
inline constexpr TText PageSheetNumber{QT_TRANSLATE_NOOP("Texts", "%1まい目")};
inline constexpr TText PageMark{QT_TRANSLATE_NOOP("Texts", "答え合わせ")};
inline constexpr TText PageNext{QT_TRANSLATE_NOOP("Texts", "つぎの問題")};
// Beside a dial of a draw sheet: %1 the weight to set the needle to.
inline constexpr TText PageSetNeedle{QT_TRANSLATE_NOOP("Texts", "%1 に はりを合わせましょう")};
inline constexpr TText BoardTitle{QT_TRANSLATE_NOOP("Texts", "クラスのようす")};
inline constexpr TText BoardMistakes{QT_TRANSLATE_NOOP("Texts", "クラス全体のまちがい")};
inline constexpr TText BoardDownload{QT_TRANSLATE_NOOP("Texts", "結果をダウンロード（CSV）")};

// At start-up, where the worksheet's faces (%1) are missing; %2 is the package that brings them.
// The faces are listed with FontListSeparator between them.
inline constexpr TText FontListSeparator{QT_TRANSLATE_NOOP("Texts", "、")};
inline constexpr TText FontsMissing{QT_TRANSLATE_NOOP("Texts", "ワークシートのフォント（%1）が見つかりません。このままでは文字が正しく表示・印刷されません。"
                   "パッケージ %2 をインストールしてください。")};

// Saving a PDF: the heading over the file's name and the reason, then each reason.
inline constexpr TText PdfSaveFailed{QT_TRANSLATE_NOOP("Texts", "PDFを保存できませんでした。\n%1\n%2")};
inline constexpr TText PdfNoFileName{QT_TRANSLATE_NOOP("Texts", "ファイル名がありません。")};
inline constexpr TText PdfNoFolder{QT_TRANSLATE_NOOP("Texts", "保存先のフォルダがありません。")};
inline constexpr TText PdfIsFolder{QT_TRANSLATE_NOOP("Texts", "同じ名前のフォルダがあります。")};
inline constexpr TText PdfNotAFile{QT_TRANSLATE_NOOP("Texts", "ふつうのファイルではないため、置き換えません。")};
inline constexpr TText PdfReadOnly{QT_TRANSLATE_NOOP("Texts", "書き込みが禁止されたファイルのため、置き換えません。")};
inline constexpr TText PdfNameTooLong{QT_TRANSLATE_NOOP("Texts", "ファイル名が長すぎます。")};
inline constexpr TText PdfIncomplete{QT_TRANSLATE_NOOP("Texts", "ファイルを最後まで書き込めませんでした。ディスクの空きを確かめてください。")};
inline constexpr TText PdfNoPermission{QT_TRANSLATE_NOOP("Texts", "ここに保存する権限がありません。")};
inline constexpr TText PdfReadOnlyPlace{QT_TRANSLATE_NOOP("Texts", "書き込みできない場所です。")};
inline constexpr TText PdfDiskFull{QT_TRANSLATE_NOOP("Texts", "ディスクの空きが足りません。")};
inline constexpr TText PdfTooLarge{QT_TRANSLATE_NOOP("Texts", "ファイルが大きすぎます。")};
inline constexpr TText PdfDiskError{QT_TRANSLATE_NOOP("Texts", "ディスクの読み書きに失敗しました。")};
// %1: the system's error number, for whoever looks into it
inline constexpr TText PdfOtherError{QT_TRANSLATE_NOOP("Texts", "保存中にエラーが起きました（エラー番号 %1）。")};

// The class set dialog's questions and reports
// Said before anything is made: the settings cannot give that many different sheets.
inline constexpr TText SetCannotFill{QT_TRANSLATE_NOOP("Texts", "この設定では%1枚の違うシートを作れません。範囲を広げるか、刻みを小さくしてください。")};
// Asked before a set goes to the printer: %1 the printer (or file), %2 the pages.
inline constexpr TText SetPrintQuestion{QT_TRANSLATE_NOOP("Texts", "プリンタ: %1\n%2ページを印刷しますか？")};
inline constexpr TText SetPrintConfirm{QT_TRANSLATE_NOOP("Texts", "印刷")};
inline constexpr TText SetPrinted{QT_TRANSLATE_NOOP("Texts", "%1ページを %2 で印刷しました。")};
inline constexpr TText SetSaved{QT_TRANSLATE_NOOP("Texts", "%1ページを %2 に保存しました。")};

// The settings panel
// The panel's title: the same words as the button that opens it.
inline constexpr TText GroupBoxStart QT_TRANSLATE_NOOP3("Texts", "初期設定(&S)", "the settings panel's title");
inline constexpr TText GroupBoxScales{QT_TRANSLATE_NOOP("Texts", "秤")};
inline constexpr TText RadioGroupKind{QT_TRANSLATE_NOOP("Texts", "最大重量(&K)")};
inline constexpr TText RadioGroupSparselyDensely{QT_TRANSLATE_NOOP("Texts", "目盛間隔の疎密(&M)")};
inline constexpr TText ItemSparsely{QT_TRANSLATE_NOOP("Texts", "疎")};
inline constexpr TText ItemDensely{QT_TRANSLATE_NOOP("Texts", "密")};
inline constexpr TText RadioGroupPer200{QT_TRANSLATE_NOOP("Texts", "1/200(&T)")};
inline constexpr TText ItemHide{QT_TRANSLATE_NOOP("Texts", "非表示")};
inline constexpr TText ItemShow{QT_TRANSLATE_NOOP("Texts", "表示")};
inline constexpr TText RadioGroupShow{QT_TRANSLATE_NOOP("Texts", "表示(&H)")};
inline constexpr TText ItemWhole{QT_TRANSLATE_NOOP("Texts", "全体")};
inline constexpr TText ItemEnlarged{QT_TRANSLATE_NOOP("Texts", "部分を拡大")};
inline constexpr TText RadioGroupWeights{QT_TRANSLATE_NOOP("Texts", "重さ（乱数発生）")};
inline constexpr TText GroupBoxDivision{QT_TRANSLATE_NOOP("Texts", "刻み(&I)")};
inline constexpr TText GroupBoxRange{QT_TRANSLATE_NOOP("Texts", "範囲(&R)")};
// Drawn behind the two range boxes: "ｇ～" follows the lower box, "ｇ" the upper one.
inline constexpr TText RangeUnits{QT_TRANSLATE_NOOP("Texts", "  ｇ～　  　　　　ｇ")};
// Beside the range's caption while the range holds too few weights for a sheet.
inline constexpr TText RangeTooNarrow{QT_TRANSLATE_NOOP("Texts", "重さが６つ未満です")};
inline constexpr TText RadioGroupUnit{QT_TRANSLATE_NOOP("Texts", "解答欄の単位(&A)")};
inline constexpr TText ItemGramsOnly{QT_TRANSLATE_NOOP("Texts", "ｇ　のみ")};
inline constexpr TText ItemKilogramsOnly{QT_TRANSLATE_NOOP("Texts", "ｋｇ　のみ")};
inline constexpr TText ItemKilogramsAndGrams{QT_TRANSLATE_NOOP("Texts", "ｋｇ　と　ｇ")};
inline constexpr TText RadioGroupExercise{QT_TRANSLATE_NOOP("Texts", "問題(&Q)")};
inline constexpr TText ItemRead{QT_TRANSLATE_NOOP("Texts", "目もりをよむ")};
inline constexpr TText ItemDraw{QT_TRANSLATE_NOOP("Texts", "はりをかく")};
// Below the close button, where the panel grows down by their height.
inline constexpr TText RadioGroupNumerals{QT_TRANSLATE_NOOP("Texts", "数字(&G)")};
inline constexpr TText ItemNumeralsAll{QT_TRANSLATE_NOOP("Texts", "すべて")};
inline constexpr TText ItemNumeralsLarge{QT_TRANSLATE_NOOP("Texts", "大きい数字だけ")};
inline constexpr TText ItemNumeralsEnds{QT_TRANSLATE_NOOP("Texts", "両はしだけ")};
inline constexpr TText CheckBoxMixed{QT_TRANSLATE_NOOP("Texts", "いろいろな重さ(&W)")};
inline constexpr TText ButtonClose{QT_TRANSLATE_NOOP("Texts", "閉じる(&C)")};

// The hidden problem table's fixed texts
inline constexpr TText TableRandom{QT_TRANSLATE_NOOP("Texts", "乱数")};
inline constexpr TText TableWeight{QT_TRANSLATE_NOOP("Texts", "重さ")};
inline constexpr TText TableProblem{QT_TRANSLATE_NOOP("Texts", "問")};

// Parts of the two summary lines at the foot of the sheet
// %1: the capacity ("2kg"), the step ("100g").
inline constexpr TText CapacitySummary{QT_TRANSLATE_NOOP("Texts", "重量:%1, ")};
inline constexpr TText StepSummary{QT_TRANSLATE_NOOP("Texts", "刻み:%1")};
inline constexpr TText SparselySummary{QT_TRANSLATE_NOOP("Texts", "疎密:疎, ")};
inline constexpr TText DenselySummary{QT_TRANSLATE_NOOP("Texts", "疎密:密, ")};
inline constexpr TText Per200HideSummary{QT_TRANSLATE_NOOP("Texts", "1/200:非表示, ")};
inline constexpr TText Per200ShowSummary{QT_TRANSLATE_NOOP("Texts", "1/200:表示, ")};
inline constexpr TText WholeSummary{QT_TRANSLATE_NOOP("Texts", "表示:全体, ")};
inline constexpr TText EnlargedSummary{QT_TRANSLATE_NOOP("Texts", "表示:部分, ")};
inline constexpr TText UnitGramsSummary{QT_TRANSLATE_NOOP("Texts", "単位:g")};
inline constexpr TText UnitKilogramsSummary{QT_TRANSLATE_NOOP("Texts", "単位:kg")};
inline constexpr TText UnitKilogramsAndGramsSummary{QT_TRANSLATE_NOOP("Texts", "単位:kg,g")};
inline constexpr TText DrawSummary{QT_TRANSLATE_NOOP("Texts", ", 問題:はりをかく")};
inline constexpr TText NumeralsLargeSummary{QT_TRANSLATE_NOOP("Texts", ", 数字:大きい数字だけ")};
inline constexpr TText NumeralsEndsSummary{QT_TRANSLATE_NOOP("Texts", ", 数字:両はしだけ")};
// %1: the largest capacity a dial may have ("5kg").
inline constexpr TText MixedCapacitySummary{QT_TRANSLATE_NOOP("Texts", "重量:いろいろ(〜%1), ")};
inline constexpr TText MixedStepSummary{QT_TRANSLATE_NOOP("Texts", "刻み:いろいろ")};
inline constexpr TText WholeRangeSummary QT_TRANSLATE_NOOP3("Texts", "全体", "the range of a mixed sheet: every dial whole");
inline constexpr TText RangePrefix{QT_TRANSLATE_NOOP("Texts", "範囲:")};
// The least gap between the two lines, where the first runs long: one space beside
// kanji, which stand apart by themselves; a translation may need more.
inline constexpr TText SummaryLinesGap QT_TRANSLATE_NOOP3("Texts", " ", "the least gap between the two summary lines");
inline constexpr TText RangeGramsTo{QT_TRANSLATE_NOOP("Texts", "g ～ ")};
inline const QString Kilograms = QStringLiteral("kg");
inline const QString Grams = QStringLiteral("g");
inline const QString PartEnd = QStringLiteral(", ");

// Answer blanks: the spaces, underlined, are the line the pupil writes on.
inline constexpr TText BlankGrams{QT_TRANSLATE_NOOP("Texts", "    　  g")};
inline constexpr TText BlankKilograms{QT_TRANSLATE_NOOP("Texts", "    　 kg")};
inline constexpr TText BlankKilogramsAndGrams{QT_TRANSLATE_NOOP("Texts", " kg 　  g")};

// The class set dialog
inline constexpr TText SetCaption{QT_TRANSLATE_NOOP("Texts", "まとめて印刷")};
inline constexpr TText SetSheetsLabel{QT_TRANSLATE_NOOP("Texts", "枚数(&N):")};
inline constexpr TText SetAnswersLabel{QT_TRANSLATE_NOOP("Texts", "解答(&A):")};
inline constexpr TText SetAnswersNone{QT_TRANSLATE_NOOP("Texts", "なし")};
inline constexpr TText SetAnswersEach{QT_TRANSLATE_NOOP("Texts", "各シートの後に解答")};
inline constexpr TText SetAnswersList{QT_TRANSLATE_NOOP("Texts", "最後に解答一覧")};
inline constexpr TText SetPreview{QT_TRANSLATE_NOOP("Texts", "プレビュー(&V)")};
inline constexpr TText SetSavePdf{QT_TRANSLATE_NOOP("Texts", "PDFに保存(&F)")};
inline constexpr TText SetPrint{QT_TRANSLATE_NOOP("Texts", "印刷(&P)")};
inline constexpr TText SetClose{QT_TRANSLATE_NOOP("Texts", "閉じる")};
inline constexpr TText SetSaveCaption{QT_TRANSLATE_NOOP("Texts", "PDFに保存")};
inline const QString SetPdfFilter = QStringLiteral("PDF (*.pdf)");

// The answers list's page: its title and column headings ("問1" … "問6").
inline constexpr TText ListTitle{QT_TRANSLATE_NOOP("Texts", "解答一覧")};
inline constexpr TText ListNumber{QT_TRANSLATE_NOOP("Texts", "番号")};
inline constexpr TText ListCode{QT_TRANSLATE_NOOP("Texts", "コード")};
inline constexpr TText ListProblem{QT_TRANSLATE_NOOP("Texts", "問")};

// Why a print did not come out.
inline constexpr TText PrintNoPrinter{QT_TRANSLATE_NOOP("Texts", "デフォルト プリンタが存在しません\n\n"
                   "「プリンタ設定」でプリンタを選ぶか、PDF ファイルへの出力を選んでください。")};
inline constexpr TText PrintUnsupported{QT_TRANSLATE_NOOP("Texts", "選択されたプリンタではサポートされていない機能です")};
inline constexpr TText PrintBusy{QT_TRANSLATE_NOOP("Texts", "現在印刷中です")};

// Why a typed sheet code cannot be read: %1 the code's length, or the character.
// %1 a short code's length, %2 a long code's
inline constexpr TText CodeWrongLengths{QT_TRANSLATE_NOOP("Texts", "コードは「-」を除いて%1文字か%2文字です。")};
inline constexpr TText CodeWrongCharacter{QT_TRANSLATE_NOOP("Texts", "コードに使われない文字「%1」があります。")};
inline constexpr TText CodeNoSheet{QT_TRANSLATE_NOOP("Texts", "このコードのシートはありません。打ち間違いがないか確かめてください。")};

// Why the class results file is not opened: %1 the file. Each says the file is left as
// it is, since a teacher may fear a refused file was lost. %2 the system's reason.
inline constexpr TText StoreNotOurs{QT_TRANSLATE_NOOP("Texts", "%1 はKestrumの成績ファイルではないので開きません。ファイルはそのままです。")};
inline constexpr TText StoreNewer{QT_TRANSLATE_NOOP("Texts", "%1 は新しいKestrumの成績ファイルなので、このKestrumでは開けません。ファイルはそのままです。")};
inline constexpr TText StoreBroken{QT_TRANSLATE_NOOP("Texts", "%1 はこわれているので開けません。ファイルはそのままです。")};
inline constexpr TText StoreMissing{QT_TRANSLATE_NOOP("Texts", "成績ファイル %1 がありません。")};
inline constexpr TText StoreCannotOpen{QT_TRANSLATE_NOOP("Texts", "成績ファイル %1 を開けません: %2")};

}  // namespace Texts
