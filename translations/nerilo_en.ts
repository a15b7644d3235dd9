<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>analysis</name>
    <message>
        <source>解析</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>解析中…</source>
        <translation>Analysing…</translation>
    </message>
    <message>
        <source>クリアできます</source>
        <translation>Can be cleared</translation>
    </message>
    <message>
        <source>最短 %1 手</source>
        <translation>Shortest: %1 presses</translation>
    </message>
    <message>
        <source>クリアできません</source>
        <translation>Cannot be cleared</translation>
    </message>
    <message>
        <source>調べきれません</source>
        <translation>Too large to search</translation>
    </message>
    <message>
        <source>局面 %1</source>
        <translation>Positions: %1</translation>
    </message>
    <message>
        <source>詰み %1（%2%）</source>
        <translation>Dead ends: %1 (%2%)</translation>
    </message>
    <message>
        <source>詰みなし</source>
        <translation>No dead ends</translation>
    </message>
    <message>
        <source>最初の詰み %1 手目</source>
        <translation>First dead end after %1 presses</translation>
    </message>
</context>
<context>
    <name>board</name>
    <message>
        <source>左は%1、右は%2、上は%3、下は%4</source>
        <translation>left: %1, right: %2, up: %3, down: %4</translation>
    </message>
    <message>
        <source>盤の外</source>
        <translation>off the board</translation>
    </message>
    <message>
        <source>%1。プレイヤーは %2 列 %3 行、%4の上。%5。鍵 %6 個、歩数 %7</source>
        <translation>%1. The player is at column %2, row %3, on %4; %5. Keys: %6, steps: %7</translation>
    </message>
</context>
<context>
    <name>buttons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>保存する</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>checks</name>
    <message>
        <source>プレイヤーがいません。</source>
        <translation>There is no player.</translation>
    </message>
    <message>
        <source>プレイヤーが %1 人います。動かせるのは最後の 1 人だけです。</source>
        <translation>There are %1 players. Only the last one can move.</translation>
    </message>
    <message>
        <source>階段がありません。</source>
        <translation>There are no stairs.</translation>
    </message>
    <message>
        <source>プレイヤーが閉じ込められていて、どこへも動けません。</source>
        <translation>The player is boxed in and cannot move anywhere.</translation>
    </message>
    <message>
        <source>どう動いてもクリアできません。</source>
        <translation>No way of playing clears this stage.</translation>
    </message>
    <message>
        <source>・%1
%2</source>
        <translation>• %1
%2</translation>
    </message>
    <message>
        <source>このステージには問題があります。

%1
このまま保存しますか？</source>
        <translation>This stage has problems.

%1
Save it anyway?</translation>
    </message>
    <message>
        <source>歩数トライでは目標歩数 %1 のうちにクリアできません。%2 あればクリアできます。</source>
        <translation>In step-try mode the stage cannot be cleared within its step target of %1; a target of %2 is enough.</translation>
    </message>
</context>
<context>
    <name>code tool</name>
    <message>
        <source>証明として付けるクリアが見つかりません。</source>
        <translation>no clear found to carry as proof</translation>
    </message>
    <message>
        <source>証明の %1 ではステージをクリアできません。</source>
        <translation>the proof %1 does not clear the stage</translation>
    </message>
    <message>
        <source>コードに付いている証明 %1 ではステージをクリアできません。ステージは証明なしで書き出しました。</source>
        <translation>the code&apos;s proof %1 does not clear the stage; it is written unproven</translation>
    </message>
    <message>
        <source>証明済み: %1 で %2 手でクリアできます。</source>
        <translation>proven: %1 clears it in %2 presses</translation>
    </message>
</context>
<context>
    <name>codes</name>
    <message>
        <source>コードが途中で切れています（%1 文字しかありません）。最後までコピーしたか確かめてください。</source>
        <translation>The code is cut short (it has only %1 characters). Check that you copied all of it.</translation>
    </message>
    <message>
        <source>コードが壊れています（%1）。写し間違いがないか確かめてください。</source>
        <translation>The code is damaged (%1). Check it for copying mistakes.</translation>
    </message>
    <message>
        <source>中身が正しくありません</source>
        <translation>its contents are not valid</translation>
    </message>
    <message>
        <source>チェックサムが合いません</source>
        <translation>its checksum does not match</translation>
    </message>
    <message>
        <source>ステージのコードではありません。コードは「%1」で始まります。</source>
        <translation>This is not a stage code. A stage code begins with “%1”.</translation>
    </message>
    <message>
        <source>コードの版「%1」は読めません。読めるのは版 %2 のコードです。新しい Nerilo で作られたコードかもしれません。</source>
        <translation>Codes of version “%1” cannot be read; this game reads codes of version %2. The code may come from a newer Nerilo.</translation>
    </message>
    <message>
        <source>%1 文字目に使えない文字「%2」があります</source>
        <translation>character %1 is “%2”, which a code cannot hold</translation>
    </message>
    <message>
        <source>ステージのコードをコピーしました（%1 文字）。</source>
        <translation>The stage’s code is copied (%1 characters).</translation>
    </message>
    <message>
        <source>%1
数秒のうちに解が見つからなかったので、クリアの証明は付いていません。</source>
        <translation>%1
No clear was found within a few seconds, so it carries no proof.</translation>
    </message>
    <message>
        <source>%1
最短の解（%2 手）をクリアの証明として付けました。</source>
        <translation>%1
A shortest clear (%2 presses) goes with it as proof.</translation>
    </message>
    <message>
        <source>ステージのコードを貼り付けてください</source>
        <translation>Paste a stage code</translation>
    </message>
    <message>
        <source>Nerilo(コードから開く)</source>
        <translation>Nerilo (Open Code)</translation>
    </message>
    <message>
        <source>コードからステージを開けません。
%1</source>
        <translation>Cannot open a stage from the code.
%1</translation>
    </message>
    <message>
        <source>このコードに付いている解ではクリアできません。ステージは開きましたが、クリア確認済みではありません。</source>
        <translation>The clear this code carries does not clear the stage. The stage is open, but it is not proven clearable.</translation>
    </message>
    <message>
        <source>クリア確認済み</source>
        <translation>Proven clearable</translation>
    </message>
    <message>
        <source>コード</source>
        <translation>From a code</translation>
    </message>
    <message>
        <source>ステージへのリンクをコピーしました。</source>
        <translation>A link to the stage is copied.</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>メニュー(&amp;M)</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>開始(&amp;K)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>リトライ(&amp;R)</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>ステージ選択(&amp;S)</source>
        <translation>&amp;Choose Stage...</translation>
    </message>
    <message>
        <source>中止(&amp;T)</source>
        <translation>Start &amp;Over</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>設定(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>歩数トライ(&amp;T)</source>
        <translation>Step &amp;Try</translation>
    </message>
    <message>
        <source>ブロックモード(&amp;M)</source>
        <translation>Block &amp;Mode</translation>
    </message>
    <message>
        <source>スーパーモード(&amp;N)</source>
        <translation>Su&amp;per Mode</translation>
    </message>
    <message>
        <source>エディトモード(&amp;E)</source>
        <translation>&amp;Edit Mode</translation>
    </message>
    <message>
        <source>コメント(&amp;C)</source>
        <translation>&amp;Comment</translation>
    </message>
    <message>
        <source>新規(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>歩数設定(&amp;T)</source>
        <translation>Step &amp;Target...</translation>
    </message>
    <message>
        <source>コメント設定(&amp;C)</source>
        <translation>&amp;Comment...</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;Y)</source>
        <translation>Re&amp;do</translation>
    </message>
    <message>
        <source>ステージ一覧(&amp;L)</source>
        <translation>Stage &amp;list</translation>
    </message>
    <message>
        <source>やり直す(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>テストプレイ(&amp;P)</source>
        <translation>Test &amp;play</translation>
    </message>
    <message>
        <source>解を探す(&amp;F)</source>
        <translation>&amp;Find a solution</translation>
    </message>
    <message>
        <source>ヒント(&amp;H)</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>コードをコピー(&amp;D)</source>
        <translation>Cop&amp;y Code</translation>
    </message>
    <message>
        <source>コードから開く(&amp;P)</source>
        <translation>O&amp;pen Code...</translation>
    </message>
    <message>
        <source>今日のステージ(&amp;G)</source>
        <translation>&amp;Today's Stage</translation>
    </message>
</context>
<context>
    <name>daily</name>
    <message>
        <source>今日のステージを作れませんでした。
決められた量の探索の中で、条件に合う部屋が見つかりませんでした。</source>
        <translation>Today's stage could not be made.
No room that meets the conditions was found within the search's budget.</translation>
    </message>
    <message>
        <source>今日のステージを保存できませんでした。
%1
%2
保存しないで開きます。</source>
        <translation>Today's stage could not be saved.
%1
%2
It opens without being saved.</translation>
    </message>
    <message>
        <source>今日のステージ
エディタを終えると開きます</source>
        <translation>Today's stage:
opens when you leave the editor</translation>
    </message>
    <message>
        <source>今日のステージ
作成中… %1</source>
        <translation>Today's stage:
room %1…</translation>
    </message>
    <message>
        <source>クリアした日:
まだありません</source>
        <translation>Days cleared:
none yet</translation>
    </message>
    <message>
        <source>クリアした日:
%1</source>
        <translation>Days cleared:
%1</translation>
    </message>
</context>
<context>
    <name>ending</name>
    <message>
        <source>     プログラム・絵
Nerilo 開発チーム
遊んでくれてありがとう</source>
        <translation>     Program and pictures
The Nerilo developers
Thank you for playing</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>ブラウザーの保存領域に書き込めません。空きがないか、保存が止められています。</source>
        <translation>Cannot write to the browser's storage: it is full, or saving is blocked.</translation>
    </message>
    <message>
        <source>このブラウザーでは、進行状況と記録を残せません（保存領域が使えません）。
遊ぶことはできますが、ページを閉じると消えます。残すときは、ファイルに書き出してください。</source>
        <translation>This browser cannot keep the progress and the records (its storage cannot be used).
You can play, but they are gone when the page is closed. To keep them, export them to files.</translation>
    </message>
    <message>
        <source>書き出す</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>読めなかったため別に残したファイル</source>
        <translation>Files that could not be read, kept aside</translation>
    </message>
    <message>
        <source>ダウンロード</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>捨てる</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>ファイルを開けません。</source>
        <translation>Cannot open the file.</translation>
    </message>
    <message>
        <source>ファイルを読めません。</source>
        <translation>Cannot read the file.</translation>
    </message>
    <message>
        <source>書き込み用の一時ファイルを作れません。</source>
        <translation>Cannot create a temporary file to write.</translation>
    </message>
    <message>
        <source>ファイルに書き込めません。</source>
        <translation>Cannot write the file.</translation>
    </message>
    <message>
        <source>ファイルの属性を設定できません。</source>
        <translation>Cannot set the file&apos;s permissions.</translation>
    </message>
    <message>
        <source>ファイルを置き換えられません。</source>
        <translation>Cannot replace the file.</translation>
    </message>
    <message>
        <source>フォルダーの変更をディスクに書き込めません。</source>
        <translation>Cannot write the folder&apos;s changes to the disk.</translation>
    </message>
    <message>
        <source>ほかのプログラムがファイル「%1」を使っています。</source>
        <translation>Another program is using the file “%1”.</translation>
    </message>
    <message>
        <source>ファイル「%1」を読めないので、書き換えません。
%2</source>
        <translation>The file “%1” cannot be read, so it is left as it is.
%2</translation>
    </message>
    <message>
        <source>ファイルまたはフォルダーがありません</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>権限がありません</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>読み取り専用の場所です</source>
        <translation>a read-only place</translation>
    </message>
    <message>
        <source>ディスクの空きが足りません</source>
        <translation>not enough disk space</translation>
    </message>
    <message>
        <source>フォルダーです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>Not a regular file.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます。</source>
        <translation>The file is too large.</translation>
    </message>
    <message>
        <source>ファイルが読み込み中に変わりました。</source>
        <translation>The file changed while it was being read.</translation>
    </message>
    <message>
        <source>記録が %1 面分しかありません。</source>
        <translation>There are records of only %1 stages.</translation>
    </message>
    <message>
        <source>記録が 30 面分より多くあります。</source>
        <translation>There are records of more than 30 stages.</translation>
    </message>
    <message>
        <source>フォルダーを作れません（%1）。</source>
        <translation>Cannot create the folder (%1).</translation>
    </message>
    <message>
        <source>%1行%2列</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>引用符 &quot; が閉じていません（%1 番目の項目）。</source>
        <translation>A double quote &quot; is not closed (field %1).</translation>
    </message>
    <message>
        <source>ファイルが途中で終わっています（項目が %1 個しかありません。%2 個必要です）。</source>
        <translation>The file ends early (it has only %1 fields; %2 are needed).</translation>
    </message>
    <message>
        <source>地形のコード「%1」（%2）は 0 から 29 の範囲にありません。</source>
        <translation>The ground code “%1” (%2) is not between 0 and 29.</translation>
    </message>
    <message>
        <source>ブロックのコード「%1」（%2）は 0 から 8 の範囲にありません。</source>
        <translation>The block code “%1” (%2) is not between 0 and 8.</translation>
    </message>
    <message>
        <source>目標歩数「%1」が正しくありません。</source>
        <translation>The step target “%1” is not valid.</translation>
    </message>
    <message>
        <source>目標歩数のあとに余分な項目があります（%1 個を超えています）。</source>
        <translation>There are fields after the step target (more than %1).</translation>
    </message>
    <message>
        <source>テキストファイルではありません。</source>
        <translation>Not a text file.</translation>
    </message>
    <message>
        <source>UTF-8 で保存されたファイルです。Shift_JIS（CP932）で保存してください。</source>
        <translation>The file is saved in UTF-8. Save it in Shift_JIS (CP932).</translation>
    </message>
    <message>
        <source>コメントに%1</source>
        <translation>In the comment: %1</translation>
    </message>
    <message>
        <source>文字コードの変換が使えません。</source>
        <translation>The character set conversion is not available.</translation>
    </message>
    <message>
        <source>Shift_JIS として正しくないバイトがあります。</source>
        <translation>It holds bytes that are not valid Shift_JIS.</translation>
    </message>
    <message>
        <source>最後の文字が途中で切れています。</source>
        <translation>The last character is cut off.</translation>
    </message>
    <message>
        <source>Shift_JIS で表せない文字が含まれています。</source>
        <translation>It holds characters that Shift_JIS cannot represent.</translation>
    </message>
    <message>
        <source>UTF-8 の文字が途中で切れています。</source>
        <translation>A UTF-8 character is cut off.</translation>
    </message>
    <message>
        <source>ロックファイル「%1」を開けません。</source>
        <translation>Cannot open the lock file “%1”.</translation>
    </message>
    <message>
        <source>ロックファイル「%1」をロックできません。</source>
        <translation>Cannot lock the lock file “%1”.</translation>
    </message>
    <message>
        <source>読めないファイル「%1」を別の名前で残せません。</source>
        <translation>Cannot keep the unreadable file “%1” under another name.</translation>
    </message>
    <message>
        <source>UTF-8 として正しくないバイトがあります。</source>
        <translation>There are bytes that are not valid UTF-8.</translation>
    </message>
    <message>
        <source>UTF-16 として正しくない文字があります。</source>
        <translation>There are characters that are not valid UTF-16.</translation>
    </message>
    <message>
        <source>ステージ %1 の記録が 0 から 255 の数ではありません。</source>
        <translation>The record of stage %1 is not a number from 0 to 255.</translation>
    </message>
</context>
<context>
    <name>generate</name>
    <message>
        <source>生成されたステージ（シード %1）</source>
        <translation>Generated stage (seed %1)</translation>
    </message>
</context>
<context>
    <name>hint</name>
    <message>
        <source>%1 あと %2 手</source>
        <translation>%1 (%2 presses to go)</translation>
    </message>
    <message>
        <source>ここからはクリアできません。元に戻すかリトライしてください。</source>
        <translation>The stage cannot be cleared from here. Undo or retry.</translation>
    </message>
    <message>
        <source>詰み：ここからはクリア​できません。Backspace で戻せます</source>
        <translation>Dead end: the stage cannot be cleared from here. Backspace takes the press back.</translation>
    </message>
    <message>
        <source>ヒントを探しています…</source>
        <translation>Looking for a hint…</translation>
    </message>
    <message>
        <source>ヒントが見つかりません</source>
        <translation>No hint found</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>このファイルは読み込めません。進行状況も記録も、何も変えていません。
%1
%2</source>
        <translation>This file cannot be read. Nothing of the progress or the records has changed.
%1
%2</translation>
    </message>
    <message>
        <source>ファイルを読み込み、いまの進行状況と記録にまとめました。
%1</source>
        <translation>The file was read and merged with the current progress and records.
%1</translation>
    </message>
    <message>
        <source>テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*</source>
        <translation>Text files(*.txt)|*.txt|All files(*.*)|*.*</translation>
    </message>
    <message>
        <source>ステージファイル「%1」を読み込めません。
%2</source>
        <translation>Cannot read the stage file “%1”.
%2</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ステージファイル「%1」を保存できません。
%2</source>
        <translation>Cannot save the stage file “%1”.
%2</translation>
    </message>
    <message>
        <source>終了します。
保存しますか？</source>
        <translation>The game will close.
Save the stage?</translation>
    </message>
    <message>
        <source>進行状況を保存できませんでした。
%1
次に保存するときに、もう一度試します。</source>
        <translation>Could not save the progress.
%1
It will be tried again at the next save.</translation>
    </message>
    <message>
        <source>コメントを入力してください</source>
        <translation>Enter the comment</translation>
    </message>
    <message>
        <source>Nerilo(コメント設定)</source>
        <translation>Nerilo (comment)</translation>
    </message>
    <message>
        <source>このコメントは保存できません。
%1</source>
        <translation>This comment cannot be saved.
%1</translation>
    </message>
    <message>
        <source>目標歩数を決めてください</source>
        <translation>Set the step target</translation>
    </message>
    <message>
        <source>Nerilo(タイマー設定)</source>
        <translation>Nerilo (step target)</translation>
    </message>
    <message>
        <source>目標歩数が大きすぎます。</source>
        <translation>The step target is too large.</translation>
    </message>
    <message>
        <source>エディトモードを終了します。
保存しますか？</source>
        <translation>Leaving the editor.
Save the stage?</translation>
    </message>
    <message>
        <source>クリアします。
保存をしていない場合はキャンセルを押してください</source>
        <translation>The board will be cleared.
If you have not saved it, press Cancel.</translation>
    </message>
    <message>
        <source>ゲーム中には切り替えられません。</source>
        <translation>Cannot switch during a game.</translation>
    </message>
    <message>
        <source>記録を保存できませんでした。
%1
次に保存するときに、もう一度試します。</source>
        <translation>The records could not be saved.
%1
It will be tried again at the next save.</translation>
    </message>
    <message>
        <source>保存していない変更があります。
変更を捨てて、別のステージを開きますか？</source>
        <translation>There are unsaved changes.
Discard them and open another stage?</translation>
    </message>
    <message>
        <source>保存していない変更があります。
変更を捨てて、ステージファイル「%1」を読み直しますか？</source>
        <translation>There are unsaved changes.
Discard them and read the stage file &quot;%1&quot; again?</translation>
    </message>
    <message>
        <source>保存していない変更があります。
変更を捨てて、中止しますか？</source>
        <translation>There are unsaved changes.
Discard them and start over?</translation>
    </message>
    <message>
        <source>読めなかった記録のファイルを別の名前で残しました。
%1
→ %2</source>
        <translation>The records file that could not be read was kept under another name:
%1
→ %2</translation>
    </message>
    <message>
        <source>進行状況のファイルを読めません。
%1
%2
どのステージもクリアしていないものとして始めます。ファイルはそのままにして、読めるようになるまで書き込みません。</source>
        <translation>The progress file cannot be read:
%1
%2
The game starts as if no stage had been cleared. The file is left as it is, and nothing is written to it until it can be read.</translation>
    </message>
    <message>
        <source>記録のファイルを読めません。
%1
%2
記録がないものとして始めます。ファイルはそのままにして、読めるようになるまで書き込みません。</source>
        <translation>The records file cannot be read:
%1
%2
Starting with no records. The file is left as it is, and nothing is written to it until it can be read.</translation>
    </message>
    <message>
        <source>進行状況のファイルが壊れています。
%1
%2
どのステージもクリアしていないものとして始めます。次に保存するときに、このファイルを別の名前で残します。</source>
        <translation>The progress file is damaged:
%1
%2
The game starts as if no stage had been cleared. The next time progress is saved, this file will be kept under another name.</translation>
    </message>
    <message>
        <source>記録のファイルが壊れています。
%1
%2
記録がないものとして始めます。次に記録を作ったときに、このファイルを別の名前で残します。</source>
        <translation>The records file is damaged:
%1
%2
Starting with no records. The next time you set a record, this file will be kept under another name.</translation>
    </message>
    <message>
        <source>読めなかった進行状況のファイルを別の名前で残しました。
%1
→ %2</source>
        <translation>The progress file that could not be read was kept under another name:
%1
→ %2</translation>
    </message>
</context>
<context>
    <name>nerilo::ui::MainWindow</name>
    <message>
        <source>先行入力(&amp;B)</source>
        <translation>&amp;Buffered input</translation>
    </message>
    <message>
        <source>サウンド(&amp;U)</source>
        <translation>So&amp;und</translation>
    </message>
    <message>
        <source>効果音(&amp;S)</source>
        <translation>&amp;Sound effects</translation>
    </message>
    <message>
        <source>音量 小(&amp;1)</source>
        <translation>Volume: low (&amp;1)</translation>
    </message>
    <message>
        <source>音量 中(&amp;2)</source>
        <translation>Volume: medium (&amp;2)</translation>
    </message>
    <message>
        <source>音量 大(&amp;3)</source>
        <translation>Volume: high (&amp;3)</translation>
    </message>
    <message>
        <source>詰みを知らせる(&amp;W)</source>
        <translation>&amp;Warn of dead ends</translation>
    </message>
    <message>
        <source>回路プレビュー(&amp;V)</source>
        <translation>Circuit pre&amp;view</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>等倍(&amp;1)</source>
        <translation>Actual size (&amp;1)</translation>
    </message>
    <message>
        <source>2倍(&amp;2)</source>
        <translation>2× (&amp;2)</translation>
    </message>
    <message>
        <source>3倍(&amp;3)</source>
        <translation>3× (&amp;3)</translation>
    </message>
    <message>
        <source>4倍(&amp;4)</source>
        <translation>4× (&amp;4)</translation>
    </message>
    <message>
        <source>拡大(&amp;I)</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>縮小(&amp;O)</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>この倍率ではエディトモードのウィンドウが画面（使える広さ %1 × %2）に収まりません</source>
        <translation>At this zoom the editor does not fit the screen (%1 × %2 available)</translation>
    </message>
    <message>
        <source>この倍率ではウィンドウが画面（使える広さ %1 × %2）に収まりません</source>
        <translation>At this zoom the window does not fit the screen (%1 × %2 available)</translation>
    </message>
    <message>
        <source>効果音（音の出力が見つかりません）(&amp;S)</source>
        <translation>&amp;Sound effects (no audio output found)</translation>
    </message>
</context>
<context>
    <name>nerilo::ui::SplashWindow</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>nerilo::ui::StageListWindow</name>
    <message>
        <source>ステージ一覧</source>
        <translation>Stage list</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>リプレイ</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>この面の最少記録のクリアを再生します。</source>
        <translation>Replays this stage&apos;s best recorded clear.</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>「開始」をタップ</source>
        <translation>Tap Start</translation>
    </message>
    <message>
        <source>「再挑戦」をタップしてリトライ</source>
        <translation>Tap Retry to try again</translation>
    </message>
    <message>
        <source>「元に戻す」をタップして一手戻す</source>
        <translation>Tap Undo to take back a press</translation>
    </message>
    <message>
        <source>F9 でステージ一覧</source>
        <translation>F9: stage list</translation>
    </message>
    <message>
        <source>「ステージ一覧」をタップ</source>
        <translation>Tap Stage list</translation>
    </message>
    <message>
        <source>歩数：歩数トライ（Ctrl+M）のときだけ数えます</source>
        <translation>Steps: counted only in step-try mode (Ctrl+M)</translation>
    </message>
    <message>
        <source>歩数：歩数トライのときだけ数えます</source>
        <translation>Steps: counted only in step-try mode</translation>
    </message>
    <message>
        <source>タッチキー</source>
        <translation>Touch keys</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>残り歩数</source>
        <translation>Steps left</translation>
    </message>
    <message>
        <source>持っている鍵</source>
        <translation>Keys held</translation>
    </message>
    <message>
        <source>ヒントを探せません：探す仕組みを読み込めませんでした</source>
        <translation>No hint: the search could not be loaded</translation>
    </message>
    <message>
        <source>自分の次のステージへ</source>
        <translation>Back to my next stage</translation>
    </message>
    <message>
        <source>Z キー</source>
        <translation>Z key</translation>
    </message>
    <message>
        <source>地面のパレット</source>
        <translation>Ground palette</translation>
    </message>
    <message>
        <source>ブロックのパレット</source>
        <translation>Block palette</translation>
    </message>
    <message>
        <source>地面のブラシ</source>
        <translation>Ground brush</translation>
    </message>
    <message>
        <source>ブロックのブラシ（押すと消しゴム）</source>
        <translation>Block brush (press for the eraser)</translation>
    </message>
    <message>
        <source>マスからブラシを拾う</source>
        <translation>Pick a brush from a cell</translation>
    </message>
    <message>
        <source>ファイル名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>「%1」をダウンロードします。</source>
        <translation>Downloading “%1”.</translation>
    </message>
    <message>
        <source>「エディトモード」をタップして終了</source>
        <translation>Tap Edit Mode to finish</translation>
    </message>
    <message>
        <source>「テストプレイ」をタップして編集に戻る</source>
        <translation>Tap Test play to go back to the editor</translation>
    </message>
</context>
<context>
    <name>panel</name>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>再挑戦</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>↑切り替え</source>
        <translation>↑Switch</translation>
    </message>
    <message>
        <source>↓切り替え</source>
        <translation>↓Switch</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>歩数トライ</source>
        <translation>Step try</translation>
    </message>
    <message>
        <source>Delete でリトライ</source>
        <translation>Delete: retry</translation>
    </message>
    <message>
        <source>Backspace で一手戻す</source>
        <translation>Backspace: undo a move</translation>
    </message>
    <message>
        <source>エディト中</source>
        <translation>Editing</translation>
    </message>
    <message>
        <source>F8 で終了</source>
        <translation>F8: leave the editor</translation>
    </message>
    <message>
        <source>ミス！</source>
        <translation>Missed!</translation>
    </message>
    <message>
        <source>F1 で開始</source>
        <translation>F1: start</translation>
    </message>
    <message>
        <source>プレイ中</source>
        <translation>Playing</translation>
    </message>
    <message>
        <source>全ステージクリア！</source>
        <translation>All stages cleared!</translation>
    </message>
    <message>
        <source>クリア！</source>
        <translation>Cleared!</translation>
    </message>
    <message>
        <source>F3 でステージ選択</source>
        <translation>F3: choose a stage</translation>
    </message>
    <message>
        <source>歩数：歩数トライ中は一歩ごとに 1 減り、0 になるとミス</source>
        <translation>Steps: in step-try mode each step takes one; at 0 you miss</translation>
    </message>
    <message>
        <source>歩数：歩数トライ（F5）のときだけ数えます</source>
        <translation>Steps: counted only in step-try mode (F5)</translation>
    </message>
    <message>
        <source>ステージ一覧</source>
        <translation>Stage list</translation>
    </message>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Esc で編集に戻る</source>
        <translation>Esc: back to the editor</translation>
    </message>
    <message>
        <source>テストプレイ中</source>
        <translation>Test play</translation>
    </message>
</context>
<context>
    <name>records</name>
    <message>
        <source>ステージ %1 の「dead_ends」が数ではありません。</source>
        <translation>Stage %1: &quot;dead_ends&quot; is not a number.</translation>
    </message>
    <message>
        <source>ステージ %1 の「%2」が文字列ではありません。</source>
        <translation>Stage %1: &quot;%2&quot; is not a string.</translation>
    </message>
    <message>
        <source>ステージ %1 の「%2」が空です。</source>
        <translation>Stage %1: &quot;%2&quot; is empty.</translation>
    </message>
    <message>
        <source>ステージ %1 の「%2」が長すぎます。</source>
        <translation>Stage %1: &quot;%2&quot; is too long.</translation>
    </message>
    <message>
        <source>ステージ %1 の「%2」にキーの文字でないものがあります。</source>
        <translation>Stage %1: &quot;%2&quot; holds something that is not a key letter.</translation>
    </message>
    <message>
        <source>ステージ %1 の「%2」が階段での Z で終わっていません。</source>
        <translation>Stage %1: &quot;%2&quot; does not end with Z on the stairs.</translation>
    </message>
    <message>
        <source>ステージ %1 の記録がオブジェクトではありません。</source>
        <translation>Stage %1&apos;s record is not an object.</translation>
    </message>
    <message>
        <source>ステージ %1 の「fingerprint」が 16 桁の 16 進数ではありません。</source>
        <translation>Stage %1: &quot;fingerprint&quot; is not 16 hexadecimal digits.</translation>
    </message>
    <message>
        <source>ステージ %1 の記録に「fingerprint」がありません。</source>
        <translation>Stage %1&apos;s record has no &quot;fingerprint&quot;.</translation>
    </message>
    <message>
        <source>全体がオブジェクトではありません。</source>
        <translation>The whole file is not an object.</translation>
    </message>
    <message>
        <source>「version」が 1 ではありません。</source>
        <translation>&quot;version&quot; is not 1.</translation>
    </message>
    <message>
        <source>「stages」のオブジェクトがありません。</source>
        <translation>There is no &quot;stages&quot; object.</translation>
    </message>
    <message>
        <source>「days」がオブジェクトではありません。</source>
        <translation>&quot;days&quot; is not an object.</translation>
    </message>
    <message>
        <source>日付でない「days」の項目があります。</source>
        <translation>An entry of &quot;days&quot; is not a date.</translation>
    </message>
    <message>
        <source>入れ子が深すぎます。</source>
        <translation>It is nested too deeply.</translation>
    </message>
    <message>
        <source>JSON として読めません。</source>
        <translation>It cannot be read as JSON.</translation>
    </message>
    <message>
        <source>ステージ %1 の記録に知らない項目があります。</source>
        <translation>Stage %1&apos;s record has an unknown item.</translation>
    </message>
    <message>
        <source>知らない項目があります。</source>
        <translation>There is an unknown item.</translation>
    </message>
    <message>
        <source>1 から 30 の数でないステージ番号があります。</source>
        <translation>There is a stage number that is not a number from 1 to 30.</translation>
    </message>
</context>
<context>
    <name>search</name>
    <message>
        <source>Nerilo(解を探す)</source>
        <translation>Nerilo (find a solution)</translation>
    </message>
    <message>
        <source>解を探しています…</source>
        <translation>Looking for a solution…</translation>
    </message>
    <message>
        <source>中止しています…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>解を再生</source>
        <translation>Play the solution</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>解を探せません</source>
        <translation>Cannot search this stage</translation>
    </message>
    <message>
        <source>調べた局面 %1&#x3000;深さ %2</source>
        <translation>Positions examined %1  depth %2</translation>
    </message>
    <message>
        <source>調べた局面 %1（%2 秒）</source>
        <translation>Positions examined %1 (%2 s)</translation>
    </message>
    <message>
        <source>最短 %1 手でクリアできます</source>
        <translation>Can be cleared in %1 presses at the fewest</translation>
    </message>
    <message>
        <source>クリアできません</source>
        <translation>Cannot be cleared</translation>
    </message>
    <message>
        <source>上限に達しました</source>
        <translation>The limit was reached</translation>
    </message>
    <message>
        <source>中止しました</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>局面が多すぎて、行き詰まりまでは調べきれませんでした（%1 局面）。</source>
        <translation>Too many positions to look for dead ends (%1 positions).</translation>
    </message>
    <message>
        <source>到達できる局面 %1、行き詰まりはありません。</source>
        <translation>%1 reachable positions, no dead ends.</translation>
    </message>
    <message>
        <source>到達できる局面 %1、どれもクリアにつながりません。</source>
        <translation>%1 reachable positions, none of them leads to a clear.</translation>
    </message>
    <message>
        <source>到達できる局面 %1、うち行き詰まり（もうクリアできない局面）%2。最短 %3 手で行き詰まります。</source>
        <translation>%1 reachable positions, %2 of them dead ends (the stage can no longer be cleared). The fewest presses into a dead end: %3.</translation>
    </message>
</context>
<context>
    <name>stage comments</name>
    <message>
        <source>ステージ1「はじめの一歩」&#x3000;矢印キーで歩き、階段の上で Z キー（Enter、スペースでも可）を押すとクリアです。</source>
        <translation>Stage 1 “First Steps”: walk with the arrow keys, and press Z (or Enter, or Space) on the stairs to clear the stage.</translation>
    </message>
    <message>
        <source>ステージ16「光の十字路」&#x3000;二本の光線が部屋を分けています。玉を押し込んで、通り道を作ろう。</source>
        <translation>Stage 16 “Crossing Beams”: two beams divide the room. Push balls in to make a path.</translation>
    </message>
    <message>
        <source>ステージ2「押してみよう」&#x3000;黒い玉は押して動かせます。向こうが壁なら動きません。押す向きをまちがえると、道がふさがることも。</source>
        <translation>Stage 2 &quot;Give it a push&quot;  Black balls can be pushed. They do not move when a wall is behind them. Push one the wrong way and it may block your path.</translation>
    </message>
    <message>
        <source>ステージ3「転がる玉」&#x3000;オリーブ色の玉は押せませんが、蹴ると止まるまで転がっていきます。階段の上で止まったら……。</source>
        <translation>Stage 3 &quot;A rolling ball&quot;  The olive ball cannot be pushed, but kicked it rolls until something stops it. If it stops on the stairs...</translation>
    </message>
    <message>
        <source>ステージ4「ばねで跳ぼう」&#x3000;ばねに乗ると二マス先へ跳び、壁も越えます。着地点に立てないときは、さらに一歩進みます。跳んだ先から戻れるとはかぎりません。</source>
        <translation>Stage 4 &quot;Jump on springs&quot;  A spring throws you two cells on, over walls too. Where you cannot land, you go one cell further. You cannot always come back from where you land.</translation>
    </message>
    <message>
        <source>ステージ5「矢印の床」&#x3000;矢印の上では止まるまで流されます。矢印は一方通行。流れた先が壁で、矢印の上に立ったままだとアウト。</source>
        <translation>Stage 5 &quot;Arrow floors&quot;  On arrows you are carried until you stop. Arrows are one-way. Carried into a wall while still on an arrow, you are out.</translation>
    </message>
    <message>
        <source>ステージ6「鍵と扉」&#x3000;鍵の上で Z キーを押すと拾えます。Shift を押しながら扉の方へ矢印キーを押すと、鍵で扉が開きます。鍵は一つで一回きり。</source>
        <translation>Stage 6 &quot;Keys and doors&quot;  Press Z on a key to pick it up. Hold Shift and press the arrow key towards a door to open it with a key. Each key opens one door only.</translation>
    </message>
    <message>
        <source>ステージ7「電気を通そう」&#x3000;的（赤白の四角）は電源です。星の床と車輪は電気を通します。電気が流れると×の箱は燃えて消えます。</source>
        <translation>Stage 7 &quot;Let the power through&quot;  The target (the red and white square) is a power source. Star floors and wheels conduct. A crossed box burns away when power reaches it.</translation>
    </message>
    <message>
        <source>ステージ8「棒を回す」&#x3000;棒は向きに沿って電気を通し、斜めの棒は電気の向きを曲げます。Shift を押しながら棒の方へ矢印キーで、九十度回せます。燃えた箱はもう電気を通しません。</source>
        <translation>Stage 8 &quot;Turn the bars&quot;  Bars conduct along their own direction, and diagonal bars bend the power. Hold Shift and press the arrow key towards a bar to turn it a quarter turn. A burnt box conducts no more.</translation>
    </message>
    <message>
        <source>ステージ9「光線をさえぎる」&#x3000;電気の流れた発射台から光線が出ます。光線に触れるとアウト。玉を押し込めば光線は止まります。</source>
        <translation>Stage 9 &quot;Block the beams&quot;  A powered emitter fires a beam. Touch a beam and you are out. Push a ball into it and the beam stops.</translation>
    </message>
    <message>
        <source>ステージ10「ドクロ玉」&#x3000;ドクロ玉に電気が流れると爆発します。まわり一マス以内にいるとアウト。車輪で、離れたところから電気をつなごう。</source>
        <translation>Stage 10 &quot;Skull ball&quot;  A skull ball explodes when powered. Anyone within one cell of it is out. Use a wheel to connect the power from afar.</translation>
    </message>
    <message>
        <source>ステージ11「黄色い床」&#x3000;白い床は電気が流れると黄色くなり、その上で止まるとアウト。電気を切って渡り、渡ってからまたつなごう。</source>
        <translation>Stage 11 &quot;Yellow floors&quot;  A white plate turns yellow when powered, and stopping on it puts you out. Cut the power to cross, then connect it again from the far side.</translation>
    </message>
    <message>
        <source>ステージ12「玉でつなぐ」&#x3000;オリーブ色の玉も電気を通します。止まるまで転がるので、黒い玉を止め役にして、すき間にぴたりと止めよう。</source>
        <translation>Stage 12 &quot;Bridge with a ball&quot;  The olive ball conducts too. It rolls until it stops, so use a black ball as a stopper and land it right in the gap.</translation>
    </message>
    <message>
        <source>ステージ13「スイッチ」&#x3000;スロットは Shift＋矢印キーで切り替わり、赤い棒が下のときに電気が通ります。燃えた箱はもう電気を通しません。どのスイッチから、どの順に？</source>
        <translation>Stage 13 &quot;Switches&quot;  Slots switch with Shift+arrow, and conduct while the red bar is down. A burnt box conducts no more. Which switch first, and in what order?</translation>
    </message>
    <message>
        <source>ステージ14「矢印で運ぶ」&#x3000;蹴った玉も矢印で向きが変わります。黒い玉は止め役にもなります。矢印をたどって、玉をすき間に届けよう。</source>
        <translation>Stage 14 &quot;Carried by arrows&quot;  Arrows turn a kicked ball too, and a black ball can stop it. Follow the arrows and bring the ball into the gap.</translation>
    </message>
    <message>
        <source>ステージ15「車輪の橋」&#x3000;二つの車輪ですき間を埋めて、的から箱まで電気をつなごう。電気が流れた白い床の上にいるとアウト。埋める順番に気をつけて。</source>
        <translation>Stage 15 &quot;A bridge of wheels&quot;  Fill the gaps with the two wheels to connect the target to the box. Standing on a powered white plate puts you out. Mind the order you fill them in.</translation>
    </message>
    <message>
        <source>ステージ17「光線を跳び越える」&#x3000;跳んでいる間は光線に当たりません。でも一度跳んだら戻れない。鍵を忘れずに。棒の向きも変えよう。</source>
        <translation>Stage 17 &quot;Jump over the beam&quot;  A beam cannot touch you while you jump. But once you have jumped there is no way back. Don&apos;t forget the key, and turn the bar too.</translation>
    </message>
    <message>
        <source>ステージ21「燃やしてから切る」&#x3000;二つの車輪で電線をつなぐと箱が燃えます。でも電気の通った床は黄色くなり、乗るとアウト。燃やしたら車輪を押し出して、電気を切ろう。</source>
        <translation>Stage 21 &quot;Burn, then cut&quot;  Connect the wire with the two wheels and the box burns. But powered plates turn yellow and stepping on them puts you out. Once it burns, push a wheel out to cut the power.</translation>
    </message>
    <message>
        <source>ステージ23「矢印の曲がり角」&#x3000;すき間の真下は壁。オリーブ色の玉は、矢印で曲げて送り込むしかありません。黒い玉をどけて、何度か蹴り分けよう。</source>
        <translation>Stage 23 &quot;Turning on arrows&quot;  Below the gap is a wall. The olive ball can only get in by being turned by an arrow. Move the black ball aside and kick a few times.</translation>
    </message>
    <message>
        <source>ステージ24「遠くから点火」&#x3000;階段の前のドクロ玉は動かせません。車輪で電線のすき間をふさげば、電気が届いて爆発します。もう一つのドクロ玉と黒い玉は、うまくよけて。</source>
        <translation>Stage 24 &quot;Lit from afar&quot;  The skull ball before the stairs cannot be moved. Close the gap in the wire with a wheel and the power reaches it and it explodes. Keep clear of the other skull ball and the black ball.</translation>
    </message>
    <message>
        <source>ステージ26「二本の通路」&#x3000;電線のすき間は二本の通路の奥。二つの車輪をそれぞれ奥まで押し込もう。先に運んだ車輪が、あとの車輪の邪魔にならないように。</source>
        <translation>Stage 26 &quot;Two corridors&quot;  The gaps in the wire are at the ends of two corridors. Push each wheel all the way in, so that the first one does not stand in the way of the second.</translation>
    </message>
    <message>
        <source>ステージ28「四本の光線」&#x3000;四方の発射台から光線が部屋を横切ります。四つの玉を一つずつ光線に押し込んで、階段への道を開こう。押す順番が決め手です。</source>
        <translation>Stage 28 &quot;Four beams&quot;  Beams from emitters on all four sides cross the room. Push the four balls into them one by one to open the way to the stairs. The order of the pushes decides.</translation>
    </message>
    <message>
        <source>ステージ18「向こう側へ」&#x3000;矢印は一方通行。玉を矢印に押し込むと、もう取り戻せません。跳んで盤の端を越えると、反対側に出ます。</source>
        <translation>Stage 18 &quot;To the other side&quot;  Arrows are one-way. A ball pushed onto an arrow cannot be taken back. Jump over the edge of the board and you come in on the other side.</translation>
    </message>
    <message>
        <source>ステージ19「天井を抜けて」&#x3000;光線は玉でふさごう。壁に着地すると、立てる場所まで進み続けます。盤の端も越えて……。</source>
        <translation>Stage 19 &quot;Through the ceiling&quot;  Block the beam with a ball. Landing on a wall, you go on until you can stand, even over the edge of the board...</translation>
    </message>
    <message>
        <source>ステージ20「遠くから爆破」&#x3000;ドクロ玉に近づいて電気を通すと危険。オリーブ色の玉を二度蹴って、離れたところからすき間をつなごう。</source>
        <translation>Stage 20 &quot;Blasting from afar&quot;  Powering the skull ball from close by is dangerous. Kick the olive ball twice to close the gap from a distance.</translation>
    </message>
    <message>
        <source>ステージ30「最後の試練」&#x3000;車輪を盾に光線を越え、棒を回して光線を止めドクロ玉を爆破。その奥の鍵で扉を開け、車輪を電線のすき間へ。すべては順番しだい。</source>
        <translation>Stage 30 &quot;The final trial&quot;  Cross the beam behind a wheel, turn a bar to stop a beam and blow up the skull ball, open the door with the key behind it, and bring a wheel to the gap in the wire. It all comes down to the order.</translation>
    </message>
    <message>
        <source>ステージ22「スイッチの順番」&#x3000;一本の電線に光線と箱がつながっています。電気を切って渡り、奥のスイッチを入れ、戻ってもう一度。どのスイッチを、いつ、どちら側から動かすか。</source>
        <translation>Stage 22 &quot;The order of the switches&quot;  One wire feeds a beam and a box. Cut the power to cross, set the far switch, come back and switch again. Which switch, when, and from which side?</translation>
    </message>
    <message>
        <source>ステージ25「黄色い扉」&#x3000;黄色い鍵扉も電線の一部です。開けると、その先へ電気が届かなくなります。先に車輪ですき間をふさいで箱を燃やし、それから扉を開けよう。</source>
        <translation>Stage 25 &quot;The yellow door&quot;  A yellow key plate is part of the wire too: once opened, the power no longer reaches past it. First close the gap with the wheel and burn the box, then open the door.</translation>
    </message>
    <message>
        <source>ステージ27「導火線」&#x3000;ドクロ玉も電気を通しますが、電気が届いたとたんに爆発します。先にドクロ玉を奥のすき間へ。最後に車輪で手前のすき間をふさげば、一瞬の電気で箱が燃えます。</source>
        <translation>Stage 27 &quot;The fuse&quot;  A skull ball conducts power too, but it blows up the moment the power reaches it. Take the skull ball to the far gap first; when the wheel finally closes the near gap, one instant of power burns the box.</translation>
    </message>
    <message>
        <source>ステージ29「のぼる車輪」&#x3000;車輪は下り矢印を押し上げて運べますが、人が上へ行く道はばねだけ。手前のすき間をふさぐと、下の部屋の床に電気が流れます。</source>
        <translation>Stage 29 &quot;Climbing wheels&quot;  A wheel can be pushed up against the down arrows, but the only way up for you is the spring. Close the near gap and the floor of the room below carries power.</translation>
    </message>
</context>
<context>
    <name>stage list</name>
    <message>
        <source>%1&#x3000;詰み %2 回</source>
        <translation>%1, %2 dead ends</translation>
    </message>
    <message>
        <source>ファイルがありません</source>
        <translation>No file</translation>
    </message>
    <message>
        <source>読み込めません</source>
        <translation>Unreadable</translation>
    </message>
    <message>
        <source>未クリア</source>
        <translation>Not cleared</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Cleared</translation>
    </message>
    <message>
        <source>歩数トライでクリア</source>
        <translation>Cleared in step-try mode</translation>
    </message>
    <message>
        <source>記録 %1 / %2&#x3000;最短 %3</source>
        <translation>Best %1 / %2  shortest %3</translation>
    </message>
    <message>
        <source>記録 %1 / %2&#x3000;最短 …</source>
        <translation>Best %1 / %2  shortest …</translation>
    </message>
    <message>
        <source>記録 %1 / %2</source>
        <translation>Best %1 / %2</translation>
    </message>
</context>
<context>
    <name>tiles</name>
    <message>
        <source>床</source>
        <translation>floor</translation>
    </message>
    <message>
        <source>壁</source>
        <translation>wall</translation>
    </message>
    <message>
        <source>白い床</source>
        <translation>white plate</translation>
    </message>
    <message>
        <source>黄色い床</source>
        <translation>yellow plate</translation>
    </message>
    <message>
        <source>低いばね</source>
        <translation>low spring</translation>
    </message>
    <message>
        <source>中くらいのばね</source>
        <translation>middle spring</translation>
    </message>
    <message>
        <source>高いばね</source>
        <translation>high spring</translation>
    </message>
    <message>
        <source>的</source>
        <translation>target</translation>
    </message>
    <message>
        <source>青い星</source>
        <translation>blue star</translation>
    </message>
    <message>
        <source>赤い星</source>
        <translation>red star</translation>
    </message>
    <message>
        <source>×の箱</source>
        <translation>crossed box</translation>
    </message>
    <message>
        <source>黄色い鍵扉</source>
        <translation>yellow key plate</translation>
    </message>
    <message>
        <source>白い鍵扉</source>
        <translation>white key plate</translation>
    </message>
    <message>
        <source>青いボタン</source>
        <translation>blue button</translation>
    </message>
    <message>
        <source>赤いボタン</source>
        <translation>red button</translation>
    </message>
    <message>
        <source>階段</source>
        <translation>stairs</translation>
    </message>
    <message>
        <source>上のスロット</source>
        <translation>upper slot</translation>
    </message>
    <message>
        <source>下のスロット</source>
        <translation>lower slot</translation>
    </message>
    <message>
        <source>下向きの光線</source>
        <translation>emitter down</translation>
    </message>
    <message>
        <source>上向きの光線</source>
        <translation>emitter up</translation>
    </message>
    <message>
        <source>右向きの光線</source>
        <translation>emitter right</translation>
    </message>
    <message>
        <source>左向きの光線</source>
        <translation>emitter left</translation>
    </message>
    <message>
        <source>横の棒</source>
        <translation>horizontal bar</translation>
    </message>
    <message>
        <source>斜めの棒（＼）</source>
        <translation>backslash bar</translation>
    </message>
    <message>
        <source>縦の棒</source>
        <translation>vertical bar</translation>
    </message>
    <message>
        <source>斜めの棒（／）</source>
        <translation>slash bar</translation>
    </message>
    <message>
        <source>下向きの矢印</source>
        <translation>arrow down</translation>
    </message>
    <message>
        <source>上向きの矢印</source>
        <translation>arrow up</translation>
    </message>
    <message>
        <source>右向きの矢印</source>
        <translation>arrow right</translation>
    </message>
    <message>
        <source>左向きの矢印</source>
        <translation>arrow left</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>黒い玉</source>
        <translation>black ball</translation>
    </message>
    <message>
        <source>青い車輪</source>
        <translation>blue wheel</translation>
    </message>
    <message>
        <source>赤い車輪</source>
        <translation>red wheel</translation>
    </message>
    <message>
        <source>ドクロ玉</source>
        <translation>skull ball</translation>
    </message>
    <message>
        <source>オリーブ色の玉</source>
        <translation>olive ball</translation>
    </message>
    <message>
        <source>鍵</source>
        <translation>key</translation>
    </message>
    <message>
        <source>プレイヤー</source>
        <translation>player</translation>
    </message>
</context>
</TS>
