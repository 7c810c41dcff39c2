<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Texts</name>
    <message>
        <source>重さはいくらでしょう。</source>
        <translation>How heavy is it?</translation>
    </message>
    <message>
        <source>&#x3000;月&#x3000;日（&#x3000;）名前&#x3000;&#x3000;&#x3000;&#x3000;    &#x3000;&#x3000;</source>
        <translation>  Date:       Name:               </translation>
    </message>
    <message>
        <source>プリンタ設定(&amp;U)</source>
        <translation>Printer set&amp;up</translation>
    </message>
    <message>
        <source>プリンタの設定をします。</source>
        <translation>Chooses and sets up the printer.</translation>
    </message>
    <message>
        <source>印刷(&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>プリンタで印刷します。</source>
        <translation>Prints the sheet on the printer.</translation>
    </message>
    <message>
        <source>更新(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>初期設定(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>答え(&amp;E)</source>
        <translation>&amp;Answers</translation>
    </message>
    <message>
        <source>答えを赤で表示し、そのまま印刷します。</source>
        <translation>Shows the answers in red; they are printed as shown.</translation>
    </message>
    <message>
        <source>まとめて印刷(&amp;B)</source>
        <translation>&amp;Batch print</translation>
    </message>
    <message>
        <source>違う問題のシートを何枚もまとめて印刷します。</source>
        <translation>Prints many sheets at once, each with different weights.</translation>
    </message>
    <message>
        <source>呼出し(&amp;L)</source>
        <translation>Reca&amp;ll</translation>
    </message>
    <message>
        <source>シートのコードから同じシートを呼び出します。</source>
        <translation>Brings back a sheet from the code printed at its foot.</translation>
    </message>
    <message>
        <source>解答</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>シートの呼出し</source>
        <translation>Recall a sheet</translation>
    </message>
    <message>
        <source>シートの下に印刷されたコードを入力してください:</source>
        <translation>Type the code printed at the foot of the sheet:</translation>
    </message>
    <message>
        <source>呼出し</source>
        <translation>Recall</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ワークシートのフォント（%1）が見つかりません。このままでは文字が正しく表示・印刷されません。パッケージ %2 をインストールしてください。</source>
        <translation>The worksheet&apos;s fonts (%1) are missing, so its texts will not show or print correctly. Please install the package %2.</translation>
    </message>
    <message>
        <source>PDFを保存できませんでした。
%1
%2</source>
        <translation>The PDF could not be saved.
%1
%2</translation>
    </message>
    <message>
        <source>ファイル名がありません。</source>
        <translation>There is no file name.</translation>
    </message>
    <message>
        <source>保存先のフォルダがありません。</source>
        <translation>The folder to save in does not exist.</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります。</source>
        <translation>A folder of that name is already there.</translation>
    </message>
    <message>
        <source>ふつうのファイルではないため、置き換えません。</source>
        <translation>It is not an ordinary file, so it is not replaced.</translation>
    </message>
    <message>
        <source>書き込みが禁止されたファイルのため、置き換えません。</source>
        <translation>The file is write-protected, so it is not replaced.</translation>
    </message>
    <message>
        <source>ファイル名が長すぎます。</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>ファイルを最後まで書き込めませんでした。ディスクの空きを確かめてください。</source>
        <translation>The file could not be written to the end. Please check the free space on the disk.</translation>
    </message>
    <message>
        <source>ここに保存する権限がありません。</source>
        <translation>You have no permission to save here.</translation>
    </message>
    <message>
        <source>書き込みできない場所です。</source>
        <translation>This place cannot be written to.</translation>
    </message>
    <message>
        <source>ディスクの空きが足りません。</source>
        <translation>There is not enough free space on the disk.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>ディスクの読み書きに失敗しました。</source>
        <translation>Reading or writing the disk failed.</translation>
    </message>
    <message>
        <source>保存中にエラーが起きました（エラー番号 %1）。</source>
        <translation>An error occurred while saving (error number %1).</translation>
    </message>
    <message>
        <source>この設定では%1枚の違うシートを作れません。範囲を広げるか、刻みを小さくしてください。</source>
        <translation>These settings cannot make %1 different sheets. Widen the range or choose a smaller step.</translation>
    </message>
    <message>
        <source>プリンタ: %1
%2ページを印刷しますか？</source>
        <translation>Printer: %1
Print %2 pages?</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>%1ページを %2 で印刷しました。</source>
        <translation>Printed %1 pages on %2.</translation>
    </message>
    <message>
        <source>%1ページを %2 に保存しました。</source>
        <translation>Saved %1 pages to %2.</translation>
    </message>
    <message>
        <source>初期設定(&amp;S)</source>
        <comment>the settings panel&apos;s title</comment>
        <translation>Settin&amp;gs</translation>
    </message>
    <message>
        <source>秤</source>
        <translation>Scales</translation>
    </message>
    <message>
        <source>最大重量(&amp;K)</source>
        <translation>&amp;Capacity</translation>
    </message>
    <message>
        <source>目盛間隔の疎密(&amp;M)</source>
        <translation>&amp;Marks</translation>
    </message>
    <message>
        <source>疎</source>
        <translation>Sparse</translation>
    </message>
    <message>
        <source>密</source>
        <translation>Dense</translation>
    </message>
    <message>
        <source>1/200(&amp;T)</source>
        <translation>1/&amp;200</translation>
    </message>
    <message>
        <source>非表示</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>表示(&amp;H)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>全体</source>
        <translation>Whole</translation>
    </message>
    <message>
        <source>部分を拡大</source>
        <translation>Enlarged</translation>
    </message>
    <message>
        <source>重さ（乱数発生）</source>
        <translation>Weights (random)</translation>
    </message>
    <message>
        <source>刻み(&amp;I)</source>
        <translation>S&amp;tep</translation>
    </message>
    <message>
        <source>範囲(&amp;R)</source>
        <translation>&amp;Range</translation>
    </message>
    <message>
        <source>  ｇ～&#x3000;  &#x3000;&#x3000;&#x3000;&#x3000;ｇ</source>
        <translation>   g –             g</translation>
    </message>
    <message>
        <source>重さが６つ未満です</source>
        <translation>Fewer than 6 weights</translation>
    </message>
    <message>
        <source>解答欄の単位(&amp;A)</source>
        <translation>Ans&amp;wer unit</translation>
    </message>
    <message>
        <source>ｇ&#x3000;のみ</source>
        <translation>g only</translation>
    </message>
    <message>
        <source>ｋｇ&#x3000;のみ</source>
        <translation>kg only</translation>
    </message>
    <message>
        <source>ｋｇ&#x3000;と&#x3000;ｇ</source>
        <translation>kg and g</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>乱数</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>重さ</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>問</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>重量:%1, </source>
        <translation>Capacity: %1, </translation>
    </message>
    <message>
        <source>刻み:%1</source>
        <translation>Step: %1</translation>
    </message>
    <message>
        <source>疎密:疎, </source>
        <translation>Marks: sparse, </translation>
    </message>
    <message>
        <source>疎密:密, </source>
        <translation>Marks: dense, </translation>
    </message>
    <message>
        <source>1/200:非表示, </source>
        <translation>1/200: hidden, </translation>
    </message>
    <message>
        <source>1/200:表示, </source>
        <translation>1/200: shown, </translation>
    </message>
    <message>
        <source>表示:全体, </source>
        <translation>View: whole, </translation>
    </message>
    <message>
        <source>表示:部分, </source>
        <translation>View: enlarged, </translation>
    </message>
    <message>
        <source>単位:g</source>
        <translation>Unit: g</translation>
    </message>
    <message>
        <source>単位:kg</source>
        <translation>Unit: kg</translation>
    </message>
    <message>
        <source>単位:kg,g</source>
        <translation>Unit: kg, g</translation>
    </message>
    <message>
        <source>範囲:</source>
        <translation>Range: </translation>
    </message>
    <message>
        <source> </source>
        <comment>the least gap between the two summary lines</comment>
        <translation>   </translation>
    </message>
    <message>
        <source>g ～ </source>
        <translation>g – </translation>
    </message>
    <message>
        <source>    &#x3000;  g</source>
        <translation>        g</translation>
    </message>
    <message>
        <source>    &#x3000; kg</source>
        <translation>       kg</translation>
    </message>
    <message>
        <source> kg &#x3000;  g</source>
        <translation> kg     g</translation>
    </message>
    <message>
        <source>まとめて印刷</source>
        <translation>Batch print</translation>
    </message>
    <message>
        <source>枚数(&amp;N):</source>
        <translation>&amp;Sheets:</translation>
    </message>
    <message>
        <source>解答(&amp;A):</source>
        <translation>&amp;Answers:</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>各シートの後に解答</source>
        <translation>A key after each sheet</translation>
    </message>
    <message>
        <source>最後に解答一覧</source>
        <translation>An answer list at the end</translation>
    </message>
    <message>
        <source>プレビュー(&amp;V)</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>PDFに保存(&amp;F)</source>
        <translation>Save PD&amp;F</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>PDFに保存</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>解答一覧</source>
        <translation>Answer list</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>デフォルト プリンタが存在しません

「プリンタ設定」でプリンタを選ぶか、PDF ファイルへの出力を選んでください。</source>
        <translation>There is no default printer.

Choose a printer under &quot;Printer setup&quot;, or choose to print to a PDF file.</translation>
    </message>
    <message>
        <source>選択されたプリンタではサポートされていない機能です</source>
        <translation>The chosen printer does not support this.</translation>
    </message>
    <message>
        <source>現在印刷中です</source>
        <translation>A print is running now.</translation>
    </message>
    <message>
        <source>コードに使われない文字「%1」があります。</source>
        <translation>The code contains &quot;%1&quot;, which no code uses.</translation>
    </message>
    <message>
        <source>このコードのシートはありません。打ち間違いがないか確かめてください。</source>
        <translation>No sheet has this code. Please check it for typing errors.</translation>
    </message>
    <message>
        <source>--%1: expected %2, not &quot;%3&quot;</source>
        <translation>--%1: expected %2, not &quot;%3&quot;</translation>
    </message>
    <message>
        <source>Write the set to FILE (- for standard output) and exit.</source>
        <translation>Write the set to FILE (- for standard output) and exit.</translation>
    </message>
    <message>
        <source>Number of sheets, 1-60 (1).</source>
        <translation>Number of sheets, 1-60 (1).</translation>
    </message>
    <message>
        <source>Answer pages: %1 (none).</source>
        <translation>Answer pages: %1 (none).</translation>
    </message>
    <message>
        <source>Capacity in kg: %1 (2).</source>
        <translation>Capacity in kg: %1 (2).</translation>
    </message>
    <message>
        <source>Step of the weights: %1, one the capacity offers.</source>
        <translation>Step of the weights: %1, one the capacity offers.</translation>
    </message>
    <message>
        <source>Graduation: %1 (dense).</source>
        <translation>Graduation: %1 (dense).</translation>
    </message>
    <message>
        <source>1/200 graduation: %1.</source>
        <translation>1/200 graduation: %1.</translation>
    </message>
    <message>
        <source>Dial view: %1 (whole).</source>
        <translation>Dial view: %1 (whole).</translation>
    </message>
    <message>
        <source>Answer blanks: %1 (kg-g).</source>
        <translation>Answer blanks: %1 (kg-g).</translation>
    </message>
    <message>
        <source>Lower range box, grams (0).</source>
        <translation>Lower range box, grams (0).</translation>
    </message>
    <message>
        <source>Upper range box, grams (the capacity).</source>
        <translation>Upper range box, grams (the capacity).</translation>
    </message>
    <message>
        <source>Seed of sheet 1&apos;s draw, 0-%1 (the clock).</source>
        <translation>Seed of sheet 1&apos;s draw, 0-%1 (the clock).</translation>
    </message>
    <message>
        <source>Sheet 1 is the sheet of this code; the rest follow from it.</source>
        <translation>Sheet 1 is the sheet of this code; the rest follow from it.</translation>
    </message>
    <message>
        <source>Language of the window and the sheets: %1 (the desktop&apos;s; Japanese where it names none).</source>
        <translation>Language of the window and the sheets: %1 (the desktop&apos;s; Japanese where it names none).</translation>
    </message>
    <message>
        <source>Printable worksheets on reading the weights from dial scales: opens the worksheet window, or with --pdf writes a class set as a PDF.</source>
        <translation>Printable worksheets on reading the weights from dial scales: opens the worksheet window, or with --pdf writes a class set as a PDF.</translation>
    </message>
    <message>
        <source>unknown option &quot;%1%2&quot; (kestrum --help lists the options)</source>
        <translation>unknown option &quot;%1%2&quot; (kestrum --help lists the options)</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1: expected a value, not &quot;%2&quot;, which reads as an option</source>
        <translation>--%1: expected a value, not &quot;%2&quot;, which reads as an option</translation>
    </message>
    <message>
        <source>--pdf: expected a file name</source>
        <translation>--pdf: expected a file name</translation>
    </message>
    <message>
        <source>--%1: expected a value</source>
        <translation>--%1: expected a value</translation>
    </message>
    <message>
        <source>a whole number from 1 to 60</source>
        <translation>a whole number from 1 to 60</translation>
    </message>
    <message>
        <source>--code: a code carries its own settings and seed; give no setting options or --seed with it</source>
        <translation>--code: a code carries its own settings and seed; give no setting options or --seed with it</translation>
    </message>
    <message>
        <source>a whole number from 0 to %1</source>
        <translation>a whole number from 0 to %1</translation>
    </message>
    <message>
        <source>hide with a %1 kg capacity, which has no 1/200 graduation</source>
        <translation>hide with a %1 kg capacity, which has no 1/200 graduation</translation>
    </message>
    <message>
        <source>%1 with a %2 kg capacity%3</source>
        <translation>%1 with a %2 kg capacity%3</translation>
    </message>
    <message>
        <source> and sparse graduation</source>
        <translation> and sparse graduation</translation>
    </message>
    <message>
        <source>grams from 0 to the capacity, %1</source>
        <translation>grams from 0 to the capacity, %1</translation>
    </message>
    <message>
        <source>the settings leave fewer than six weights to draw</source>
        <translation>the settings leave fewer than six weights to draw</translation>
    </message>
    <message>
        <source>the worksheet&apos;s fonts are missing (%1): install the package %2</source>
        <translation>the worksheet&apos;s fonts are missing (%1): install the package %2</translation>
    </message>
    <message>
        <source>--pdf: cannot write %1: %2</source>
        <translation>--pdf: cannot write %1: %2</translation>
    </message>
    <message>
        <source>Exercise: read the dials, or draw the needles for the weights given (whole view only): %1 (read).</source>
        <translation>Exercise: read the dials, or draw the needles for the weights given (whole view only): %1 (read).</translation>
    </message>
    <message>
        <source>whole with --kind draw</source>
        <translation>whole with --kind draw</translation>
    </message>
    <message>
        <source>はりをかきましょう。</source>
        <translation>Draw the needles.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>問題(&amp;Q)</source>
        <translation>&amp;Exercise</translation>
    </message>
    <message>
        <source>目もりをよむ</source>
        <translation>Read the dial</translation>
    </message>
    <message>
        <source>はりをかく</source>
        <translation>Draw the needle</translation>
    </message>
    <message>
        <source>, 問題:はりをかく</source>
        <translation>, Exercise: draw</translation>
    </message>
    <message>
        <source>Open the window in practice: the pupil answers on screen and the sheet is marked at once.</source>
        <translation>Open the window in practice: the pupil answers on screen and the sheet is marked at once.</translation>
    </message>
    <message>
        <source>--practice: practice is on screen; give no --pdf with it</source>
        <translation>--practice: practice is on screen; give no --pdf with it</translation>
    </message>
    <message>
        <source>練習(&amp;D)</source>
        <translation>Pract&amp;ice</translation>
    </message>
    <message>
        <source>答え合わせ(&amp;O)</source>
        <translation>Mar&amp;k</translation>
    </message>
    <message>
        <source>つぎの問題(&amp;X)</source>
        <translation>Ne&amp;xt sheet</translation>
    </message>
    <message>
        <source>○</source>
        <translation>✓</translation>
    </message>
    <message>
        <source>×</source>
        <translation>✗</translation>
    </message>
    <message>
        <source>%1問中%2問正解</source>
        <translation>%2 of %1 right</translation>
    </message>
    <message numerus="yes">
        <source>これまで %n枚 %1/%2問</source>
        <translation>
            <numerusform>So far: %n sheet, %1/%2 right</numerusform>
            <numerusform>So far: %n sheets, %1/%2 right</numerusform>
        </translation>
    </message>
    <message>
        <source>×のところを直して、もう一度答え合わせをしましょう。</source>
        <translation>Correct the answers marked × and check them again.</translation>
    </message>
    <message>
        <source>よくできました！</source>
        <translation>Well done!</translation>
    </message>
    <message>
        <source>まだ答えを書いていないところがあります。答え合わせをしますか？</source>
        <translation>Some answers are still empty. Check the answers now?</translation>
    </message>
    <message>
        <source>大きく表示(&amp;Z)</source>
        <translation>&amp;Zoom to window</translation>
    </message>
    <message>
        <source>Numerals printed on the dials: %1 (all).</source>
        <translation>Numerals printed on the dials: %1 (all).</translation>
    </message>
    <message>
        <source>Mixed scales: each dial its own capacity up to --capacity, with that capacity&apos;s own step, over the whole dial.</source>
        <translation>Mixed scales: each dial its own capacity up to --capacity, with that capacity&apos;s own step, over the whole dial.</translation>
    </message>
    <message>
        <source>a sheet code as printed at a sheet&apos;s foot (14 or 15 characters, e.g. ABCDE-FGHJK-MNPQ), checked for typing errors</source>
        <translation>a sheet code as printed at a sheet&apos;s foot (14 or 15 characters, e.g. ABCDE-FGHJK-MNPQ), checked for typing errors</translation>
    </message>
    <message>
        <source>--mix: expected a capacity above 1 kg, which leaves smaller ones to mix</source>
        <translation>--mix: expected a capacity above 1 kg, which leaves smaller ones to mix</translation>
    </message>
    <message>
        <source>--%1: with --mix each dial has its own capacity&apos;s step and the whole dial as its range</source>
        <translation>--%1: with --mix each dial has its own capacity&apos;s step and the whole dial as its range</translation>
    </message>
    <message>
        <source>数字(&amp;G)</source>
        <translation>Numerals s&amp;hown</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>大きい数字だけ</source>
        <translation>Large only</translation>
    </message>
    <message>
        <source>両はしだけ</source>
        <translation>Ends only</translation>
    </message>
    <message>
        <source>いろいろな重さ(&amp;W)</source>
        <translation>Mixe&amp;d scales</translation>
    </message>
    <message>
        <source>, 数字:大きい数字だけ</source>
        <translation>, Numerals: large only</translation>
    </message>
    <message>
        <source>, 数字:両はしだけ</source>
        <translation>, Numerals: ends only</translation>
    </message>
    <message>
        <source>重量:いろいろ(〜%1), </source>
        <translation>Capacity: mixed (up to %1), </translation>
    </message>
    <message>
        <source>刻み:いろいろ</source>
        <translation>Step: mixed</translation>
    </message>
    <message>
        <source>コードは「-」を除いて%1文字か%2文字です。</source>
        <translation>A code has %1 or %2 characters, not counting the &quot;-&quot;.</translation>
    </message>
    <message>
        <source>全体</source>
        <comment>the range of a mixed sheet: every dial whole</comment>
        <translation>whole</translation>
    </message>
    <message>
        <source>ステップアップ(&amp;Y)</source>
        <translation>Step up (&amp;Y)</translation>
    </message>
    <message>
        <source>レベル %1/%2</source>
        <translation>Level %1/%2</translation>
    </message>
    <message>
        <source>なまえ（または 出席番号）</source>
        <translation>Name (or class number)</translation>
    </message>
    <message>
        <source>クラスのコード</source>
        <translation>Class code</translation>
    </message>
    <message>
        <source>はじめる</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>クラスのコードがちがいます。</source>
        <translation>There is no class with that code.</translation>
    </message>
    <message>
        <source>なまえは 20文字までで 書きましょう。</source>
        <translation>Write a name of 1 to 20 characters.</translation>
    </message>
    <message>
        <source>つないでいます…</source>
        <translation>Reconnecting…</translation>
    </message>
    <message>
        <source>クラスは終わりました。</source>
        <translation>The class has ended.</translation>
    </message>
    <message>
        <source>%1まい目</source>
        <translation>Sheet %1</translation>
    </message>
    <message>
        <source>答え合わせ</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>つぎの問題</source>
        <translation>Next sheet</translation>
    </message>
    <message>
        <source>%1 に はりを合わせましょう</source>
        <translation>Set the needle to %1</translation>
    </message>
    <message>
        <source>クラスのようす</source>
        <translation>Class board</translation>
    </message>
    <message>
        <source>クラス全体のまちがい</source>
        <translation>Mistakes in the whole class</translation>
    </message>
    <message>
        <source>結果をダウンロード（CSV）</source>
        <translation>Download the results (CSV)</translation>
    </message>
    <message>
        <source>目もり1つ分ずれています。</source>
        <translation>One mark off.</translation>
    </message>
    <message>
        <source>kgとgのかきかたをまちがえています。</source>
        <translation>kg and g are mixed up.</translation>
    </message>
    <message>
        <source>小さい1目もりは%1gです。</source>
        <translation>Each small mark is %1 g.</translation>
    </message>
    <message>
        <source>近くの数字をよんでいます。はりの先を見ましょう。</source>
        <translation>That is the nearest number. Look at the tip of the needle.</translation>
    </message>
    <message>
        <source>目もりを反対からかぞえています。</source>
        <translation>The marks were counted from the wrong side.</translation>
    </message>
    <message>
        <source>目もり1つずれ</source>
        <translation>one mark off</translation>
    </message>
    <message>
        <source>kgとg</source>
        <translation>kg and g</translation>
    </message>
    <message>
        <source>1目もりの大きさ</source>
        <translation>size of a small mark</translation>
    </message>
    <message>
        <source>近くの数字</source>
        <translation>the nearest number</translation>
    </message>
    <message>
        <source>反対からかぞえる</source>
        <translation>counted from the wrong side</translation>
    </message>
    <message numerus="yes">
        <source> (多いまちがい: %1 %n)</source>
        <translation>
            <numerusform> (most common mistake: %1, %n time)</numerusform>
            <numerusform> (most common mistake: %1, %n times)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 から 小さい目もり%2つ (1つ%3g) → %4</source>
        <translation>%1 and %2 small marks (%3 g each) → %4</translation>
    </message>
    <message>
        <source>%1 から 小さい目もり1つ (1つ%2g) → %3</source>
        <translation>%1 and 1 small mark (%2 g) → %3</translation>
    </message>
    <message>
        <source>数字%1のところ → %2</source>
        <translation>At the numeral %1 → %2</translation>
    </message>
    <message>
        <source>Practice on a ladder of levels, easiest first: the program chooses each sheet and moves the pupil up or down by the scores. Implies --practice; of the setting options only --unit goes with it.</source>
        <translation>Practice on a ladder of levels, easiest first: the program chooses each sheet and moves the pupil up or down by the scores. Implies --practice; of the setting options only --unit goes with it.</translation>
    </message>
    <message>
        <source>--step-up: practice is on screen; give no --pdf with it</source>
        <translation>--step-up: practice is on screen; give no --pdf with it</translation>
    </message>
    <message>
        <source>--step-up: the ladder chooses the sheets; give no --%1 with it</source>
        <translation>--step-up: the ladder chooses the sheets; give no --%1 with it</translation>
    </message>
    <message>
        <source>Write every class&apos;s answers from the results file to FILE as CSV, one row per answer, and exit.</source>
        <translation>Write every class&apos;s answers from the results file to FILE as CSV, one row per answer, and exit.</translation>
    </message>
    <message>
        <source>Serve a class to the pupils&apos; tablets over HTTP, with no window, until interrupted; the setting options choose its sheets, or with --step-up each pupil climbs a ladder of their own.</source>
        <translation>Serve a class to the pupils&apos; tablets over HTTP, with no window, until interrupted; the setting options choose its sheets, or with --step-up each pupil climbs a ladder of their own.</translation>
    </message>
    <message>
        <source>The port --serve listens on (8642; 0: any free port).</source>
        <translation>The port --serve listens on (8642; 0: any free port).</translation>
    </message>
    <message>
        <source>The address --serve listens on (0.0.0.0: every address).</source>
        <translation>The address --serve listens on (0.0.0.0: every address).</translation>
    </message>
    <message>
        <source>--serve: serves a class alone; give no --%1 with it</source>
        <translation>--serve: serves a class alone; give no --%1 with it</translation>
    </message>
    <message>
        <source>--%1: for --serve; give --serve with it</source>
        <translation>--%1: for --serve; give --serve with it</translation>
    </message>
    <message>
        <source>a port from 0 to 65535</source>
        <translation>a port from 0 to 65535</translation>
    </message>
    <message>
        <source>--bind: expected an address</source>
        <translation>--bind: expected an address</translation>
    </message>
    <message>
        <source>--serve: the class could not be started</source>
        <translation>--serve: the class could not be started</translation>
    </message>
    <message>
        <source>--serve: cannot listen on %1 port %2</source>
        <translation>--serve: cannot listen on %1 port %2</translation>
    </message>
    <message>
        <source>--%1: expected a file name</source>
        <translation>--%1: expected a file name</translation>
    </message>
    <message>
        <source>--results: writes the class results alone; give no --%1 with it</source>
        <translation>--results: writes the class results alone; give no --%1 with it</translation>
    </message>
    <message>
        <source>--results: cannot write %1: %2</source>
        <translation>--results: cannot write %1: %2</translation>
    </message>
    <message>
        <source>the results file could not be read</source>
        <translation>the results file could not be read</translation>
    </message>
    <message>
        <source>%1 はKestrumの成績ファイルではないので開きません。ファイルはそのままです。</source>
        <translation>%1 is not a Kestrum results file, so it is not opened. The file is left as it is.</translation>
    </message>
    <message>
        <source>%1 は新しいKestrumの成績ファイルなので、このKestrumでは開けません。ファイルはそのままです。</source>
        <translation>%1 is a results file of a newer Kestrum, which this Kestrum cannot open. The file is left as it is.</translation>
    </message>
    <message>
        <source>%1 はこわれているので開けません。ファイルはそのままです。</source>
        <translation>%1 is damaged and cannot be opened. The file is left as it is.</translation>
    </message>
    <message>
        <source>成績ファイル %1 がありません。</source>
        <translation>There is no results file %1.</translation>
    </message>
    <message>
        <source>成績ファイル %1 を開けません: %2</source>
        <translation>Cannot open the results file %1: %2</translation>
    </message>
    <message>
        <source>The class results file for --results, --serve or the window&apos;s class (classes.sqlite in the program&apos;s data folder).</source>
        <translation>The class results file for --results, --serve or the window&apos;s class (classes.sqlite in the program&apos;s data folder).</translation>
    </message>
    <message>
        <source>--data: names the results file for --results, --serve or the window&apos;s class; give no --pdf with it</source>
        <translation>--data: names the results file for --results, --serve or the window&apos;s class; give no --pdf with it</translation>
    </message>
    <message>
        <source>クラス(&amp;J)</source>
        <translation>Class (&amp;J)</translation>
    </message>
    <message>
        <source>タブレットでクラスの練習を始めます。</source>
        <translation>Starts a class practising on tablets.</translation>
    </message>
    <message>
        <source>クラス</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>クラスコード</source>
        <translation>Class code</translation>
    </message>
    <message>
        <source>タブレットで開くアドレス:</source>
        <translation>Address for the tablets:</translation>
    </message>
    <message>
        <source>終了(&amp;V)</source>
        <translation>End class (&amp;Q)</translation>
    </message>
    <message>
        <source>CSV書き出し(&amp;F)</source>
        <translation>Export CSV (&amp;F)</translation>
    </message>
    <message>
        <source>表示するクラス:</source>
        <translation>Class shown:</translation>
    </message>
    <message>
        <source>%1  %2（実行中）</source>
        <translation>%1  %2 (running)</translation>
    </message>
    <message>
        <source>クラスを終了しました。</source>
        <translation>The class has ended.</translation>
    </message>
    <message>
        <source>クラスを始められません。</source>
        <translation>The class could not be started.</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>シート</source>
        <translation>Sheets</translation>
    </message>
    <message>
        <source>正解 / 問題</source>
        <translation>Right / total</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>多いまちがい</source>
        <translation>Most frequent mistake</translation>
    </message>
    <message>
        <source>クラスのまちがい: %1</source>
        <translation>Class mistakes: %1</translation>
    </message>
    <message>
        <source>CSV書き出し</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>%1 に書き出しました。</source>
        <translation>Written to %1.</translation>
    </message>
    <message>
        <source>%1 に書き出せませんでした: %2</source>
        <translation>Could not write %1: %2</translation>
    </message>
</context>
</TS>
