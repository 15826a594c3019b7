#pragma once

#include "library/Cp932Text.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace kirune::ScoreRecords {

// The score file that kirune_score_writer keeps rewriting, and what it may hold at any moment.
inline constexpr const char* kPlayFile = "kill.vxl";
inline constexpr const char* kScoreFile = "kill.log";
inline constexpr int kStages = 5;

struct Record {
    std::vector<qint32> status;  // entries 1..kStages, as StageClear holds them
    QString name;
};

// The writer alternates these, each as a status write followed by a name write. Both keep a
// stage unsolved so that reading them never asks to start over.
inline const Record kWritten[2] = {
    {{0, 1, 0, 1, 0, 1}, QStringLiteral("ケン")},
    {{0, 0, 1, 0, 1, 0}, QStringLiteral("ユミ")},
};

inline QByteArray FileBytes(const QString& status, const QString& name) {
    const QStringList lines = {QStringLiteral(";このファイルはKiruneで使う個人成績データです。"),
                               QStringLiteral(";プレーヤー名"), name,
                               QStringLiteral(";解答状況のら列(#1～ステージ数) =0:未完成 =1:完成済み"), status};
    return EncodeCp932(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).value();
}

// Every content the file can hold once a run of the writer has put its first record in: each
// write changes the status or the name, so the two records' halves meet in between.
inline std::vector<QByteArray> ValidContents() {
    const QString a = QStringLiteral("1,0,1,0,1"), b = QStringLiteral("0,1,0,1,0");
    const QString& ken = kWritten[0].name;
    const QString& yumi = kWritten[1].name;
    return {FileBytes(a, ken), FileBytes(b, ken), FileBytes(b, yumi), FileBytes(a, yumi)};
}

}  // namespace kirune::ScoreRecords
