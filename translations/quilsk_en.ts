<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>Engine</name>
    <message>
        <source>ファイルがみつかりませんでした(ｰｰ;)</source>
        <translation>Couldn&apos;t find any files (--;)</translation>
    </message>
    <message>
        <source>このバージョンのインデックスファイルには対応しておりません。m(__)m
対応したIDXMAKR.EXEを入手の上、インデックスを作り直してください。</source>
        <translation>Sorry, this version of the index files isn&apos;t supported. m(__)m
Please rebuild the index with a matching idxmakr.</translation>
    </message>
    <message>
        <source>インデックスのファイルを読み込めません: </source>
        <translation>Can&apos;t read the index file: </translation>
    </message>
    <message>
        <source>インデックスを作り直しているところです。しばらくしてからもう一度検索してください。</source>
        <translation>The index is being rebuilt right now. Please search again in a little while.</translation>
    </message>
    <message>
        <source>失敗しました(/_;)</source>
        <translation>That failed (/_;)</translation>
    </message>
    <message>
        <source>現在別のタスクを実行中です。もうしばらくお待ちください。</source>
        <translation>Another task is running right now. Please wait a little longer.</translation>
    </message>
    <message>
        <source>キーワードの初期化に失敗しました(;_;)</source>
        <translation>Couldn&apos;t prepare the keywords (;_;)</translation>
    </message>
    <message>
        <source> &lt;&lt;インデックス検索中&gt;&gt;</source>
        <translation> &lt;&lt;searching the index&gt;&gt;</translation>
    </message>
    <message>
        <source> &lt;&lt;検索中 </source>
        <translation> &lt;&lt;searching </translation>
    </message>
    <message>
        <source>重複チェック中</source>
        <translation>checking for duplicates</translation>
    </message>
    <message>
        <source>並べ替え中</source>
        <translation>sorting</translation>
    </message>
    <message>
        <source>絞り込み中</source>
        <translation>narrowing</translation>
    </message>
</context>
<context>
    <name>UiText</name>
    <message>
        <source>設定ファイルを読めません。既定の設定で始めます。
</source>
        <translation>Can&apos;t read the settings file. Starting with the default settings.
</translation>
    </message>
    <message>
        <source>作業中です。もう少しお待ちください。</source>
        <translation>Still working on it. Please wait a little longer.</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>新規にﾌｧｲﾙを作成</source>
        <translation>Create a new file</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>保存されているﾌｧｲﾙを開く</source>
        <translation>Open a saved file</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>作業中のｳｨﾝﾄﾞｳを閉じる</source>
        <translation>Close the active window</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを上書きして保存</source>
        <translation>Save the active file over itself</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを新しい名前で保存</source>
        <translation>Save the active file under a new name</translation>
    </message>
    <message>
        <source>印刷(&amp;P)</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>作業中の文書を印刷</source>
        <translation>Print the active document</translation>
    </message>
    <message>
        <source>印刷プレビュー(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ全体を表示して印刷前に確認</source>
        <translation>Show whole pages to check them before printing</translation>
    </message>
    <message>
        <source>プリンタの設定(&amp;R)</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀと印刷の設定変更</source>
        <translation>Change the printer and printing settings</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>指定のﾌｧｲﾙを開く</source>
        <translation>Open this file</translation>
    </message>
    <message>
        <source>エディタの指定</source>
        <translation>Choose Editor...</translation>
    </message>
    <message>
        <source>検索結果を引き渡すエディタの指定をします。</source>
        <translation>Choose the editor that search results are handed to.</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Quillseek を終了し、文書の保存を確認</source>
        <translation>Quit Quillseek, asking to save documents</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>直前に行った操作を元に戻す</source>
        <translation>Undo the last action</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに移動</source>
        <translation>Cut the selection and put it on the clipboard</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>選択した範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存</source>
        <translation>Copy the selection to the clipboard</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け</source>
        <translation>Paste what is on the clipboard</translation>
    </message>
    <message>
        <source>結果削除</source>
        <translation>Delete Results</translation>
    </message>
    <message>
        <source>検索結果を削除します</source>
        <translation>Delete the search results</translation>
    </message>
    <message>
        <source>検索中止</source>
        <translation>Stop Search</translation>
    </message>
    <message>
        <source>検索を中止します</source>
        <translation>Stop the search</translation>
    </message>
    <message>
        <source>重複チェック</source>
        <translation>Check Duplicates</translation>
    </message>
    <message>
        <source>主に用例の重複をチェックします</source>
        <translation>Remove duplicate lines, mostly repeated examples</translation>
    </message>
    <message>
        <source>結果ソート</source>
        <translation>Sort Results</translation>
    </message>
    <message>
        <source>検索結果をソートします</source>
        <translation>Sort the search results</translation>
    </message>
    <message>
        <source>単語ｸﾞﾙｰﾌﾟ編集</source>
        <translation>Edit Word Groups...</translation>
    </message>
    <message>
        <source>単語グループの編集をします</source>
        <translation>Edit the word groups</translation>
    </message>
    <message>
        <source>検索(&amp;S)</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>ZELK辞書の検索を行います</source>
        <translation>Search the ZELK dictionaries</translation>
    </message>
    <message>
        <source>絞込み</source>
        <translation>Narrow Down</translation>
    </message>
    <message>
        <source>検索結果からさらに絞り込みます</source>
        <translation>Narrow the search results down further</translation>
    </message>
    <message>
        <source>検索ｵﾌﾟｼｮﾝ設定</source>
        <translation>Search Options...</translation>
    </message>
    <message>
        <source>検索オプション設定</source>
        <translation>Set the search options</translation>
    </message>
    <message>
        <source>編集ｵﾌﾟｼｮﾝ指定</source>
        <translation>Editing Options...</translation>
    </message>
    <message>
        <source>左ボタンWクリックの動作指定</source>
        <translation>Choose what a left double-click does</translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>Text Colour...</translation>
    </message>
    <message>
        <source>文字の色を指定します</source>
        <translation>Choose the text colour</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>Background Colour...</translation>
    </message>
    <message>
        <source>背景色を指定します</source>
        <translation>Choose the background colour</translation>
    </message>
    <message>
        <source>反転文字色</source>
        <translation>Highlight Text Colour...</translation>
    </message>
    <message>
        <source>反転文字色を指定します</source>
        <translation>Choose the text colour of highlighted spans</translation>
    </message>
    <message>
        <source>反転背景色</source>
        <translation>Highlight Background Colour...</translation>
    </message>
    <message>
        <source>反転背景色を指定します</source>
        <translation>Choose the background colour of highlighted spans</translation>
    </message>
    <message>
        <source>ツールバー(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰの表示/非表示</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>ステータスバー(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>新しいウィンドウを開く(&amp;N)</source>
        <translation>&amp;New Window</translation>
    </message>
    <message>
        <source>作業中のｳｨﾝﾄﾞｳを複写して表示</source>
        <translation>Open another window on the active results</translation>
    </message>
    <message>
        <source>重ねて表示(&amp;C)</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳを重ねて表示</source>
        <translation>Arrange the windows so they overlap</translation>
    </message>
    <message>
        <source>並べて表示(&amp;T)</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳを並べて表示</source>
        <translation>Arrange the windows side by side</translation>
    </message>
    <message>
        <source>アイコンの整列(&amp;A)</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>ｱｲｺﾝを整列</source>
        <translation>Line up the minimised windows</translation>
    </message>
    <message>
        <source>作者のテスト用</source>
        <translation>Author&apos;s Test</translation>
    </message>
    <message>
        <source>作者がテストのために使っているものです。</source>
        <translation>Something the author uses for testing.</translation>
    </message>
    <message>
        <source>目次(&amp;H)</source>
        <translation>&amp;Help Contents</translation>
    </message>
    <message>
        <source>ヘルプを表示します</source>
        <translation>Show the help</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About Quillseek...</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝ､版権の表示</source>
        <translation>Show the program information, version and copyright</translation>
    </message>
    <message>
        <source>ディレクトリ選択</source>
        <translation>Choose a Directory</translation>
    </message>
    <message>
        <source>選択されたﾃﾞｨﾚｸﾄﾘ</source>
        <translation>Chosen directory</translation>
    </message>
    <message>
        <source>ﾃﾞｨﾚｸﾄﾘ一覧</source>
        <translation>Directories</translation>
    </message>
    <message>
        <source>ﾄﾞﾗｲﾌﾞ一覧</source>
        <translation>Drives</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ一覧(参考)</source>
        <translation>Files (for reference)</translation>
    </message>
    <message>
        <source>%1 の検索結果は保存されていません。保存しますか?</source>
        <translation>The search results of %1 haven&apos;t been saved. Save them now?</translation>
    </message>
    <message>
        <source>ファイル %1 を開けませんでした。
%2</source>
        <translation>Couldn&apos;t open the file %1.
%2</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>すべてのファイル (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>ファイル名 %1 には Shift-JIS で書けない文字が含まれているため、保存できません。</source>
        <translation>Can&apos;t save: the file name %1 has characters that Shift-JIS can&apos;t write.</translation>
    </message>
    <message>
        <source>ファイル %1 に保存できませんでした。
%2</source>
        <translation>Couldn&apos;t save to the file %1.
%2</translation>
    </message>
    <message>
        <source>Quillseek ヘルプ</source>
        <translation>Quillseek Help</translation>
    </message>
    <message>
        <source>インデックス作成プログラムを起動できませんでした。
</source>
        <translation>Couldn&apos;t start the index builder.
</translation>
    </message>
    <message>
        <source>インデックスを作成できませんでした。
</source>
        <translation>Couldn&apos;t build the index.
</translation>
    </message>
    <message>
        <source>終了コード %1</source>
        <translation>exit code %1</translation>
    </message>
    <message>
        <source>インデックスを作成しました (%1 秒)。</source>
        <translation>The index is built (%1 s).</translation>
    </message>
    <message>
        <source>インデックスを作成しました。
ファイル: %1
単語: %2
時間: %3 秒</source>
        <translation>The index is built.
Files: %1
Words: %2
Time: %3 s</translation>
    </message>
    <message>
        <source>がんばろう! ZIVO</source>
        <translation>Let&apos;s do our best! ZIVO</translation>
    </message>
    <message>
        <source>エディタを起動できませんでした: </source>
        <translation>Couldn&apos;t start the editor: </translation>
    </message>
    <message>
        <source>インデックス作成</source>
        <translation>Building the Index</translation>
    </message>
    <message>
        <source>インデックスを作成中です。終わるまでお待ちください。</source>
        <translation>The index is being built. Please wait until it is done.</translation>
    </message>
    <message>
        <source>インデックスを作成しています...</source>
        <translation>Building the index...</translation>
    </message>
    <message>
        <source>Quillseek バージョン %1

ZELK 英和・和英辞書の検索ツール</source>
        <translation>Quillseek version %1

A search tool for the ZELK English-Japanese and Japanese-English dictionaries</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Quillseek</translation>
    </message>
    <message>
        <source>設定ファイルに書き込めませんでした: </source>
        <translation>Couldn&apos;t write the settings file: </translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>色指定</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳ(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>重複ﾁｪｯｸ</source>
        <translation>Check Duplicates</translation>
    </message>
    <message>
        <source>色設定</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ツールバー</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>大文字/小文字の同一視</source>
        <translation>Ignore case</translation>
    </message>
    <message>
        <source>単語検索あり</source>
        <translation>Whole word</translation>
    </message>
    <message>
        <source>前方一致</source>
        <translation>Word start</translation>
    </message>
    <message>
        <source>後方一致</source>
        <translation>Word end</translation>
    </message>
    <message>
        <source>DrawTextﾓｰﾄﾞ(ﾃﾞﾌｫｰﾙﾄはTextOutﾓｰﾄﾞ)</source>
        <translation>DrawText mode (default: TextOut mode)</translation>
    </message>
    <message>
        <source>タグ形式で出力</source>
        <translation>Show results in tag form</translation>
    </message>
    <message>
        <source>ﾌｨﾝﾄﾞｳの位置を保存</source>
        <translation>Remember the window position</translation>
    </message>
    <message>
        <source>検索終了後重複チェックをする</source>
        <translation>Check duplicates after each search</translation>
    </message>
    <message>
        <source>ﾉｰﾏﾙ</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>ｸｲｯｸ</source>
        <translation>Quick</translation>
    </message>
    <message>
        <source>超ｸｲｯｸ</source>
        <translation>Super quick</translation>
    </message>
    <message>
        <source>ｲﾝﾃﾞｯｸｽ</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>オプション設定</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>単語検索KW1</source>
        <translation>Word match KW1</translation>
    </message>
    <message>
        <source>単語検索KW2</source>
        <translation>Word match KW2</translation>
    </message>
    <message>
        <source>件ヒットするごとに画面更新</source>
        <translation>hits between screen updates</translation>
    </message>
    <message>
        <source>画面出力時の整形桁数</source>
        <translation>Columns to wrap the display at</translation>
    </message>
    <message>
        <source>(DrawTextﾓｰﾄﾞで有効)</source>
        <translation>(in DrawText mode)</translation>
    </message>
    <message>
        <source>検索モード設定</source>
        <translation>Search mode</translation>
    </message>
    <message>
        <source>ﾃﾞｨﾚｸﾄﾘ選択</source>
        <translation>Choose Directory</translation>
    </message>
    <message>
        <source>QUICK設定</source>
        <translation>Quick Settings</translation>
    </message>
    <message>
        <source>印刷設定</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>ﾌｫﾝﾄ設定</source>
        <translation>Font Settings</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ｲﾝﾃﾞｯｸｽﾌｧｲﾙのあるﾃﾞｨﾚｸﾄﾘ</source>
        <translation>Directory of the index files</translation>
    </message>
    <message>
        <source>桁数が少なすぎます!!</source>
        <translation>Too few columns!!</translation>
    </message>
    <message>
        <source>桁数が大すぎます!!</source>
        <translation>Too many columns!!</translation>
    </message>
    <message>
        <source>ヒット数が少なすぎます!!</source>
        <translation>Too few hits!!</translation>
    </message>
    <message>
        <source>ヒット数が大すぎます!!</source>
        <translation>Too many hits!!</translation>
    </message>
    <message>
        <source>このﾌｫﾝﾄの名前は設定ファイルに書けません。ほかのﾌｫﾝﾄを選んでください。</source>
        <translation>This font&apos;s name can&apos;t be written to the settings file. Please choose another font.</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>印刷できませんでした。</source>
        <translation>Couldn&apos;t print.</translation>
    </message>
    <message>
        <source>印刷プレビュー</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>プリンタの設定</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>ファイル登録</source>
        <translation>Register Files</translation>
    </message>
    <message>
        <source>対象ファイル群</source>
        <translation>Files to search</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>ファイルがありまへんで(-_-ﾒ)</source>
        <translation>There ain&apos;t no such files (-_-#)</translation>
    </message>
    <message>
        <source>作者からのお知らせ</source>
        <translation>A note from the author</translation>
    </message>
    <message>
        <source>電子辞書本体</source>
        <translation>Main dictionary</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾘﾝｶﾞﾙｺｰﾊﾟｽ</source>
        <translation>Bilingual corpus</translation>
    </message>
    <message>
        <source>補遺</source>
        <translation>Supplement</translation>
    </message>
    <message>
        <source>専門用語</source>
        <translation>Technical terms</translation>
    </message>
    <message>
        <source>略語辞書</source>
        <translation>Abbreviations</translation>
    </message>
    <message>
        <source>固有名辞書</source>
        <translation>Proper nouns</translation>
    </message>
    <message>
        <source>予備1</source>
        <translation>Spare 1</translation>
    </message>
    <message>
        <source>予備2</source>
        <translation>Spare 2</translation>
    </message>
    <message>
        <source>予備3</source>
        <translation>Spare 3</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Others</translation>
    </message>
    <message>
        <source>登録済</source>
        <translation>Registered</translation>
    </message>
    <message>
        <source>未登録</source>
        <translation>Not registered</translation>
    </message>
    <message>
        <source>AND検索</source>
        <translation>AND search</translation>
    </message>
    <message>
        <source>NOT検索</source>
        <translation>NOT search</translation>
    </message>
    <message>
        <source>OR検索</source>
        <translation>OR search</translation>
    </message>
    <message>
        <source>結果をｿｰﾄ</source>
        <translation>Sort the results</translation>
    </message>
    <message>
        <source>訳部分を検索しない</source>
        <translation>Don&apos;t search translations</translation>
    </message>
    <message>
        <source>用例を出力しない</source>
        <translation>Leave out examples</translation>
    </message>
    <message>
        <source>ZELK電子辞書の検索だよ(^｡^)</source>
        <translation>Let&apos;s search the ZELK dictionaries (^.^)</translation>
    </message>
    <message>
        <source>単語</source>
        <translation>Word</translation>
    </message>
    <message>
        <source>ｸﾞﾙｰﾌﾟ</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <source>ｷｰﾜｰﾄﾞ(1)</source>
        <translation>Keyword (1)</translation>
    </message>
    <message>
        <source>ｷｰﾜｰﾄﾞ(2)</source>
        <translation>Keyword (2)</translation>
    </message>
    <message>
        <source>辞書登録</source>
        <translation>Dictionaries</translation>
    </message>
    <message>
        <source>検索ｵﾌﾟｼｮﾝ</source>
        <translation>Search Options</translation>
    </message>
    <message>
        <source>検索対象ファイルの登録をしてくださいね(^o^)</source>
        <translation>Please register the files to search first (^o^)</translation>
    </message>
    <message>
        <source>キーワードが指定されていません!!(^_^;)</source>
        <translation>No keyword given!! (^_^;)</translation>
    </message>
    <message>
        <source>（検索を途中で中止しました）</source>
        <translation> (search stopped early)</translation>
    </message>
    <message>
        <source>検索中: ファイル %1/%2, %3, %4 件 - %5</source>
        <translation>Searching: file %1/%2, %3, lines found: %4 - %5</translation>
    </message>
    <message>
        <source>「%1」に、設定ファイルに書けない文字(Shift-JISにない文字)が含まれています。</source>
        <translation>&quot;%1&quot; has characters the settings file can&apos;t hold (characters not in Shift-JIS).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>転送完了(^_^)</source>
        <translation>Copied (^_^)</translation>
    </message>
    <message>
        <source>転送するテキストが選択されていません(-_-ﾒ)ﾅﾒﾀﾗｲｶﾝｾﾞﾖ</source>
        <translation>No text is selected to copy (-_-#) Don&apos;t mess with me!</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>すべてｺﾋﾟｰ</source>
        <translation>Copy All</translation>
    </message>
    <message>
        <source>一部ｺﾋﾟｰ</source>
        <translation>Copy Selection</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙに</source>
        <translation>To File</translation>
    </message>
    <message>
        <source>実行ファイル (*)</source>
        <translation>Programs (*)</translation>
    </message>
    <message>
        <source>エディタ指定</source>
        <translation>Choose Editor</translation>
    </message>
    <message>
        <source>検索結果をエディタに渡すときのための指定です。コマンドライン・パラミタには以下のマクロが利用できます。</source>
        <translation>How search results are handed to your editor. The command line can use these macros:</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>%F : ファイル名</source>
        <translation>%F : file name</translation>
    </message>
    <message>
        <source>%R : 行番号</source>
        <translation>%R : line number</translation>
    </message>
    <message>
        <source>エディタ</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>編集オプション指定</source>
        <translation>Editing Options</translation>
    </message>
    <message>
        <source>左ﾎﾞﾀﾝWｸﾘｯｸ</source>
        <translation>Left double-click</translation>
    </message>
    <message>
        <source>結果とｸﾘｯｸ位置(行数)を渡す</source>
        <translation>Hand over the results and the clicked line</translation>
    </message>
    <message>
        <source>ﾀｸﾞ情報でｴﾃﾞｨﾀを起動</source>
        <translation>Open the editor at the tagged line</translation>
    </message>
    <message>
        <source>1ﾍﾟｰｼﾞあたりの行数</source>
        <translation>Lines per page</translation>
    </message>
    <message>
        <source>行数が少なすぎます!!</source>
        <translation>Too few lines!!</translation>
    </message>
    <message>
        <source>1行あたりの桁数</source>
        <translation>Columns per line</translation>
    </message>
    <message>
        <source>最大印刷ﾍﾟｰｼﾞ数</source>
        <translation>Most pages to print</translation>
    </message>
    <message>
        <source>ページ数が少なすぎます!!</source>
        <translation>Too few pages!!</translation>
    </message>
    <message>
        <source>上部</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>０以上の整数で指定してください!!</source>
        <translation>Please give a whole number of 0 or more!!</translation>
    </message>
    <message>
        <source>左側</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>印刷オプション</source>
        <translation>Print Options</translation>
    </message>
    <message>
        <source>第1キーワード</source>
        <translation>Keyword 1</translation>
    </message>
    <message>
        <source>第2キーワード</source>
        <translation>Keyword 2</translation>
    </message>
    <message>
        <source>単語ｸﾞﾙｰﾌﾟ一覧</source>
        <translation>Word groups</translation>
    </message>
    <message>
        <source>選択していませんよ!!</source>
        <translation>You haven&apos;t chosen anything!!</translation>
    </message>
    <message>
        <source>大文字小文字の同一視</source>
        <translation>Ignore case</translation>
    </message>
    <message>
        <source>絞込み検索</source>
        <translation>Narrow Down</translation>
    </message>
    <message>
        <source>単語検索指定</source>
        <translation>Word match</translation>
    </message>
    <message>
        <source>絞込み用ｷｰﾜｰﾄﾞ</source>
        <translation>Keyword to narrow down by</translation>
    </message>
    <message>
        <source>%1で始まる単語</source>
        <translation>Words starting with %1</translation>
    </message>
    <message>
        <source>Quickモード辞書設定</source>
        <translation>Quick Mode Dictionaries</translation>
    </message>
    <message>
        <source>AからZまでの各文字で始まる見出し語を含む辞書ﾌｧｲﾙを登録します。ﾌｧｲﾙ名にはﾜｲﾙﾄﾞｶｰﾄﾞが使えます。</source>
        <translation>Register, for each letter from A to Z, the dictionary file with the headwords starting with it. File names may use wildcards.</translation>
    </message>
    <message>
        <source>自動認識</source>
        <translation>Find Automatically</translation>
    </message>
    <message>
        <source>設定する「見出し」</source>
        <translation>Headword letter</translation>
    </message>
    <message>
        <source>使用する辞書ﾌｧｲﾙ</source>
        <translation>Dictionary file</translation>
    </message>
    <message>
        <source>辞書の存在するﾃﾞｨﾚｸﾄﾘ</source>
        <translation>Directory of the dictionaries</translation>
    </message>
    <message>
        <source>すべてのﾌｧｲﾙ (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>ファイルがみつかりませんでした(ｰｰ;)</source>
        <translation>Couldn&apos;t find any files (--;)</translation>
    </message>
    <message>
        <source>グループ名に「|」や「=」は使えません。「;」や「[」で始めることもできません。(^_^;)</source>
        <translation>A group name can&apos;t contain &quot;|&quot; or &quot;=&quot;, and can&apos;t start with &quot;;&quot; or &quot;[&quot;. (^_^;)</translation>
    </message>
    <message>
        <source>グループ名の前後に空白は使えません。(^_^;)</source>
        <translation>A group name can&apos;t start or end with a space. (^_^;)</translation>
    </message>
    <message>
        <source>グループ名に改行などの制御文字は使えません。(^_^;)</source>
        <translation>A group name can&apos;t contain line breaks or other control characters. (^_^;)</translation>
    </message>
    <message>
        <source>既に登録されているようです。(^_^;)</source>
        <translation>Looks like that is already there. (^_^;)</translation>
    </message>
    <message>
        <source>単語グループ編集</source>
        <translation>Edit Word Groups</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>ｸﾞﾙｰﾌﾟ名</source>
        <translation>Group name</translation>
    </message>
    <message>
        <source>単語に「|」は使えません。(^_^;)</source>
        <translation>A word can&apos;t contain &quot;|&quot;. (^_^;)</translation>
    </message>
    <message>
        <source>単語に改行などの制御文字は使えません。(^_^;)</source>
        <translation>A word can&apos;t contain line breaks or other control characters. (^_^;)</translation>
    </message>
    <message>
        <source>追加する単語が見つかりません(^_^;)
記入していただけましたか？</source>
        <translation>There&apos;s no word to add (^_^;)
Did you type one in?</translation>
    </message>
    <message>
        <source>削除する単語が指定されていないようなんですが・・・(^_^;)</source>
        <translation>Looks like no word is chosen to delete... (^_^;)</translation>
    </message>
    <message>
        <source>追加するグループ名が見つかりません(^_^;)
記入していただけましたか？</source>
        <translation>There&apos;s no group name to add (^_^;)
Did you type one in?</translation>
    </message>
    <message>
        <source>削除するグループが指定されていないようなんですが・・・(^_^;)</source>
        <translation>Looks like no group is chosen to delete... (^_^;)</translation>
    </message>
    <message>
        <source>qrc:/help/index.html</source>
        <translation>qrc:/help/index_en.html</translation>
    </message>
    <message numerus="yes">
        <source>%n 件</source>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
</context>
</TS>
