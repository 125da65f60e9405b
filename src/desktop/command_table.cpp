#include "desktop/command_table.h"

#include <algorithm>
#include <vector>

#include "platform/ui/qt_text.h"

namespace quilsk {

namespace {

CommandInfo Entry(CommandId id, const char* text, const char* shortcuts, const char* prompt)
{
    const QString keys = QString::fromLatin1(shortcuts);
    return {id, Ui(text), keys.isEmpty() ? QList<QKeySequence>() : QKeySequence::listFromString(keys), Ui(prompt)};
}

const std::vector<CommandInfo>& Table()
{
    using enum CommandId;
    static const std::vector<CommandInfo> table = {
        Entry(FileNew, "新規作成(&N)", "Ctrl+N", "新規にﾌｧｲﾙを作成"),
        Entry(FileOpen, "開く(&O)", "Ctrl+O", "保存されているﾌｧｲﾙを開く"),
        Entry(FileClose, "閉じる(&C)", "", "作業中のｳｨﾝﾄﾞｳを閉じる"),
        Entry(FileSave, "上書き保存(&S)", "Ctrl+S", "作業中のﾌｧｲﾙを上書きして保存"),
        Entry(FileSaveAs, "名前を付けて保存(&A)", "", "作業中のﾌｧｲﾙを新しい名前で保存"),
        Entry(FilePrint, "印刷(&P)", "Ctrl+P", "作業中の文書を印刷"),
        Entry(FilePrintPreview, "印刷プレビュー(&V)", "", "ﾍﾟｰｼﾞ全体を表示して印刷前に確認"),
        Entry(FilePrintSetup, "プリンタの設定(&R)", "", "ﾌﾟﾘﾝﾀと印刷の設定変更"),
        Entry(RecentFile, "最近使ったファイル", "", "指定のﾌｧｲﾙを開く"),
        Entry(SetEditor, "エディタの指定", "", "検索結果を引き渡すエディタの指定をします。"),
        Entry(AppExit, "終了(&X)", "", "Quillseek を終了し、文書の保存を確認"),
        Entry(EditUndo, "元に戻す(&U)", "Ctrl+Z; Alt+Backspace", "直前に行った操作を元に戻す"),
        Entry(EditCut, "切り取り(&T)", "Ctrl+X; Shift+Del", "選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに移動"),
        Entry(EditCopy, "コピー(&C)", "Ctrl+C; Ctrl+Ins", "選択した範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存"),
        Entry(EditPaste, "貼り付け(&P)", "Ctrl+V; Shift+Ins", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け"),
        Entry(DeleteResults, "結果削除", "", "検索結果を削除します"),
        Entry(StopSearch, "検索中止", "", "検索を中止します"),
        Entry(CheckDuplicates, "重複チェック", "", "主に用例の重複をチェックします"),
        Entry(SortResults, "結果ソート", "", "検索結果をソートします"),
        Entry(EditGroups, "単語ｸﾞﾙｰﾌﾟ編集", "", "単語グループの編集をします"),
        Entry(Search, "検索(&S)", "S", "ZELK辞書の検索を行います"),
        Entry(Narrow, "絞込み", "", "検索結果からさらに絞り込みます"),
        Entry(SearchOptions, "検索ｵﾌﾟｼｮﾝ設定", "", "検索オプション設定"),
        Entry(EditOptions, "編集ｵﾌﾟｼｮﾝ指定", "", "左ボタンWクリックの動作指定"),
        Entry(TextColor, "文字色", "", "文字の色を指定します"),
        Entry(BackColor, "背景色", "", "背景色を指定します"),
        Entry(HighlightTextColor, "反転文字色", "", "反転文字色を指定します"),
        Entry(HighlightBackColor, "反転背景色", "", "反転背景色を指定します"),
        Entry(ViewToolbar, "ツールバー(&T)", "", "ﾂｰﾙ ﾊﾞｰの表示/非表示"),
        Entry(ViewStatusBar, "ステータスバー(&S)", "", "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"),
        Entry(WindowNew, "新しいウィンドウを開く(&N)", "", "作業中のｳｨﾝﾄﾞｳを複写して表示"),
        Entry(WindowCascade, "重ねて表示(&C)", "", "ｳｨﾝﾄﾞｳを重ねて表示"),
        Entry(WindowTile, "並べて表示(&T)", "", "ｳｨﾝﾄﾞｳを並べて表示"),
        Entry(WindowArrange, "アイコンの整列(&A)", "", "ｱｲｺﾝを整列"),
        Entry(AuthorTest, "作者のテスト用", "", "作者がテストのために使っているものです。"),
        Entry(HelpIndex, "目次(&H)", "F1", "ヘルプを表示します"),
        Entry(AppAbout, "バージョン情報(&A)", "", "ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝ､版権の表示"),
    };
    return table;
}

}  // namespace

const CommandInfo& Command(CommandId id)
{
    const std::vector<CommandInfo>& table = Table();
    return *std::find_if(table.begin(), table.end(), [id](const CommandInfo& c) { return c.id == id; });
}

}  // namespace quilsk
