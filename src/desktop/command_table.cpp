#include "desktop/command_table.h"

#include <algorithm>
#include <vector>

#include "platform/ui/qt_text.h"

namespace quilsk {

namespace {

CommandInfo Entry(CommandId id, const QString& text, const char* shortcuts, const QString& prompt)
{
    const QString keys = QString::fromLatin1(shortcuts);
    return {id, text, keys.isEmpty() ? QList<QKeySequence>() : QKeySequence::listFromString(keys), prompt};
}

const std::vector<CommandInfo>& Table()
{
    using enum CommandId;
    static const std::vector<CommandInfo> table = {
        Entry(FileNew, UiText::tr("新規作成(&N)"), "Ctrl+N", UiText::tr("新規にﾌｧｲﾙを作成")),
        Entry(FileOpen, UiText::tr("開く(&O)"), "Ctrl+O", UiText::tr("保存されているﾌｧｲﾙを開く")),
        Entry(FileClose, UiText::tr("閉じる(&C)"), "", UiText::tr("作業中のｳｨﾝﾄﾞｳを閉じる")),
        Entry(FileSave, UiText::tr("上書き保存(&S)"), "Ctrl+S", UiText::tr("作業中のﾌｧｲﾙを上書きして保存")),
        Entry(FileSaveAs, UiText::tr("名前を付けて保存(&A)"), "", UiText::tr("作業中のﾌｧｲﾙを新しい名前で保存")),
        Entry(FilePrint, UiText::tr("印刷(&P)"), "Ctrl+P", UiText::tr("作業中の文書を印刷")),
        Entry(FilePrintPreview, UiText::tr("印刷プレビュー(&V)"), "", UiText::tr("ﾍﾟｰｼﾞ全体を表示して印刷前に確認")),
        Entry(FilePrintSetup, UiText::tr("プリンタの設定(&R)"), "", UiText::tr("ﾌﾟﾘﾝﾀと印刷の設定変更")),
        Entry(RecentFile, UiText::tr("最近使ったファイル"), "", UiText::tr("指定のﾌｧｲﾙを開く")),
        Entry(SetEditor, UiText::tr("エディタの指定"), "", UiText::tr("検索結果を引き渡すエディタの指定をします。")),
        Entry(AppExit, UiText::tr("終了(&X)"), "", UiText::tr("Quillseek を終了し、文書の保存を確認")),
        Entry(EditUndo, UiText::tr("元に戻す(&U)"), "Ctrl+Z; Alt+Backspace", UiText::tr("直前に行った操作を元に戻す")),
        Entry(EditCut, UiText::tr("切り取り(&T)"), "Ctrl+X; Shift+Del", UiText::tr("選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに移動")),
        Entry(EditCopy, UiText::tr("コピー(&C)"), "Ctrl+C; Ctrl+Ins", UiText::tr("選択した範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存")),
        Entry(EditPaste, UiText::tr("貼り付け(&P)"), "Ctrl+V; Shift+Ins", UiText::tr("ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け")),
        Entry(DeleteResults, UiText::tr("結果削除"), "", UiText::tr("検索結果を削除します")),
        Entry(StopSearch, UiText::tr("検索中止"), "", UiText::tr("検索を中止します")),
        Entry(CheckDuplicates, UiText::tr("重複チェック"), "", UiText::tr("主に用例の重複をチェックします")),
        Entry(SortResults, UiText::tr("結果ソート"), "", UiText::tr("検索結果をソートします")),
        Entry(EditGroups, UiText::tr("単語ｸﾞﾙｰﾌﾟ編集"), "", UiText::tr("単語グループの編集をします")),
        Entry(Search, UiText::tr("検索(&S)"), "S", UiText::tr("ZELK辞書の検索を行います")),
        Entry(Narrow, UiText::tr("絞込み"), "", UiText::tr("検索結果からさらに絞り込みます")),
        Entry(SearchOptions, UiText::tr("検索ｵﾌﾟｼｮﾝ設定"), "", UiText::tr("検索オプション設定")),
        Entry(EditOptions, UiText::tr("編集ｵﾌﾟｼｮﾝ指定"), "", UiText::tr("左ボタンWクリックの動作指定")),
        Entry(TextColor, UiText::tr("文字色"), "", UiText::tr("文字の色を指定します")),
        Entry(BackColor, UiText::tr("背景色"), "", UiText::tr("背景色を指定します")),
        Entry(HighlightTextColor, UiText::tr("反転文字色"), "", UiText::tr("反転文字色を指定します")),
        Entry(HighlightBackColor, UiText::tr("反転背景色"), "", UiText::tr("反転背景色を指定します")),
        Entry(ViewToolbar, UiText::tr("ツールバー(&T)"), "", UiText::tr("ﾂｰﾙ ﾊﾞｰの表示/非表示")),
        Entry(ViewStatusBar, UiText::tr("ステータスバー(&S)"), "", UiText::tr("ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示")),
        Entry(WindowNew, UiText::tr("新しいウィンドウを開く(&N)"), "", UiText::tr("作業中のｳｨﾝﾄﾞｳを複写して表示")),
        Entry(WindowCascade, UiText::tr("重ねて表示(&C)"), "", UiText::tr("ｳｨﾝﾄﾞｳを重ねて表示")),
        Entry(WindowTile, UiText::tr("並べて表示(&T)"), "", UiText::tr("ｳｨﾝﾄﾞｳを並べて表示")),
        Entry(WindowArrange, UiText::tr("アイコンの整列(&A)"), "", UiText::tr("ｱｲｺﾝを整列")),
        Entry(AuthorTest, UiText::tr("作者のテスト用"), "", UiText::tr("作者がテストのために使っているものです。")),
        Entry(HelpIndex, UiText::tr("目次(&H)"), "F1", UiText::tr("ヘルプを表示します")),
        Entry(AppAbout, UiText::tr("バージョン情報(&A)"), "", UiText::tr("ﾌﾟﾛｸﾞﾗﾑ情報､ﾊﾞｰｼﾞｮﾝ､版権の表示")),
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
