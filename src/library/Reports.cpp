#include "library/Reports.h"

#include <QStringList>

namespace kirune {

namespace {

const QString kRule = QStringLiteral("---------------------------------");

ReportBox Box(const QString& title, ReportIcon icon, ReportButtons buttons, const QStringList& lines) {
    return ReportBox{title, lines.join(QStringLiteral("\r\n")), icon, buttons, false};
}

QStringList TempFolderUnusable(const QString& second) {
    return {QStringLiteral("一時作業用フォルダ（TEMP,Temp,TMP,Tmpのいずれか）"), second, QString(),
            QStringLiteral("このため作業用フォルダを使ったプレイはできません。"),
            QStringLiteral("Kiruneの全ファイルをディレクトリごと"),
            QStringLiteral("ハードディスクにコピーしてから起動してください。"), QString(), kRule};
}

}  // namespace

ReportBox ReportFor(int code, const QString& logFolder) {
    const auto E = ReportIcon::Exclamation;
    const auto YesNo = ReportButtons::YesNo;
    const auto Ok = ReportButtons::Ok;
    const QString example = QStringLiteral("Vexal ﾌｧｲﾙ (例：標準日本語クロス.vxl) を指定してください。");
    switch (code) {
    case 1:
        return Box(QStringLiteral("ヘルプ"), ReportIcon::Information, Ok,
                   {QStringLiteral("Kirune　バージョン３．０４"), QString(), QStringLiteral("●キーボードの操作●"),
                    QStringLiteral("　スペースキー：画面右の丸形コントローラーの中央ボタンと同じ機能"),
                    QStringLiteral("　カーソル移動キー：画面右の丸形コントローラーの上下左右ボタンと同じ機能"),
                    QStringLiteral("　Ｄｅｌｅｔｅキー：画面右の「文字消去」ボタンと同じ機能"),
                    QStringLiteral("　Ｅｓｃキー：画面右の「取り消し」ボタンと同じ機能"), QString(),
                    QStringLiteral("●単語データ●"),
                    QStringLiteral("　EDICT・KANJIDIC（Electronic Dictionary Research and"),
                    QStringLiteral("　Development Group、CC BY-SA 4.0）をもとにしています。"), QString(), kRule});
    case 11:
        return Box(QStringLiteral("Kiruneの終了"), E, Ok, {QStringLiteral("Kiruneを終了します。")});
    case 101:
        return Box(QStringLiteral("報告：ファイルを指定してください"), E, YesNo,
                   {QStringLiteral("クロスワード用プレイファイルを指定してください。"), QString(), example,
                    QStringLiteral("指定しないとゲームを開始できません。"), QString(),
                    QStringLiteral("［はい］で、もういちど指定画面になります。"),
                    QStringLiteral("［いいえ］でプログラムを終了します。"), kRule});
    case 102:
        return Box(QStringLiteral("報告：ファイルが見つかりません"), E, YesNo,
                   {QStringLiteral("クロスワード用プレイファイルが見つかりません。"), QString(), example,
                    QStringLiteral("それともプログラムを終了しますか？"), QString(),
                    QStringLiteral("［はい］で指定画面になります。"), QStringLiteral("［いいえ］でプログラムを終了します。"),
                    kRule});
    case 103:
        return Box(QStringLiteral("報告：ファイルが読めません"), E, YesNo,
                   {QStringLiteral("このクロスワード用プレイファイルのデータを読めません。"),
                    QStringLiteral("こわれている可能性もあります。"), QString(),
                    QStringLiteral("別のクロスワード用プレイファイルを指定してください。"),
                    QStringLiteral("それともプログラムを終了しますか？"), QString(),
                    QStringLiteral("［はい］で指定画面になります。"), QStringLiteral("［いいえ］でプログラムを終了します。"),
                    kRule});
    case 1001:
        return Box(QStringLiteral("報告：クロスワードはすべて解き終えています"), E, YesNo,
                   {QStringLiteral("このファイルのクロスワードはすべて解き終えています。"), QString(),
                    QStringLiteral("kirune-vxl buildで新しいプレイファイルを作ってください。"),
                    QStringLiteral("それともこのファイルで再挑戦しますか？"), QString(),
                    QStringLiteral("［はい］で再挑戦になります。"), QStringLiteral("［いいえ］でプログラムを終了します。"),
                    kRule});
    case 10001:
        return Box(QStringLiteral("報告：作業用フォルダがわかりません"), E, Ok,
                   TempFolderUnusable(QStringLiteral("が環境変数で指定されていません。")));
    case 10002:
        return Box(QStringLiteral("報告：作業用フォルダに書き込みできません"), E, Ok,
                   TempFolderUnusable(QStringLiteral("にプレーヤーの成績データファイルを作成できません。")));
    case 10003:
        return Box(QStringLiteral("確認：個人成績ファイルを別フォルダに作成しました"), E, Ok,
                   {QStringLiteral("プレイファイルのフォルダが読み取り専用なので"), QStringLiteral("個人成績ファイルをこのフォルダ内に作れません。"),
                    QString(), QStringLiteral("一時作業用フォルダ内"), QStringLiteral("　") + logFolder,
                    QStringLiteral("に作りました。"), QString(),
                    QStringLiteral("ゲーム終了時に、このファイルを残すか選択できます。"), kRule});
    case 10004: {
        // Nobody answered: keeping the file loses nothing.
        ReportBox box = Box(
            QStringLiteral("選択：個人成績ファイルの処理"), E, YesNo,
            {QStringLiteral("プレイファイルのフォルダが読み取り専用なので"),
             QStringLiteral("個人成績ファイルは、一時作業用フォルダ内"), QStringLiteral("　") + logFolder,
             QStringLiteral("にあります。"), QString(), QStringLiteral("このファイルを残して、次回も使えるようにしますか。"),
             QStringLiteral("それとも削除しますか。"), QString(), QStringLiteral("［はい］で残します。"),
             QStringLiteral("［いいえ］で削除します。"), kRule});
        box.leftAloneAnswer = AnswerYes;
        return box;
    }
    default:
        return Box(QStringLiteral("報告"), E, Ok, {QStringLiteral("報告 %1").arg(code)});
    }
}

}  // namespace kirune
