#include "kirune-vxl/Dump.h"

#include "library/PlayFile.h"

#include <QJsonArray>

namespace kirune {

namespace {

QString Text(QChar ch) { return ch.isNull() ? QString() : QString(ch); }

}  // namespace

QJsonObject DumpStage(const Crossword& x, qint32 inputMode, qint32 stageMax, const StageCaptions& captions) {
    QJsonArray mas;
    for (const MasRec& m : x.Mas)
        mas.append(QJsonObject{
            {"Kind", m.Kind},
            {"AcrossNo", m.AcrossNo},
            {"DownNo", m.DownNo},
            {"AcrossOf", m.AcrossOf},
            {"DownOf", m.DownOf},
            {"Answer", Text(m.Answer)},
            {"Entered", Text(m.Entered)},
            {"UndoChr", Text(m.UndoChr)},
        });
    QJsonArray ques;
    ques.append(QJsonValue::Null);
    for (int w = 1; w <= x.QuesNmbMax; ++w) {
        const QuesRec& q = x.Ques[w];
        ques.append(QJsonObject{
            {"Start", q.Start}, {"Length", q.Length}, {"AnswerText", q.AnswerText}, {"QuesText", q.QuesText},
            {"AnsText", q.AnsText}, {"Yomi", q.Yomi}, {"ID", q.ID}, {"CN", q.CN}, {"BN", q.BN},
            {"QN", q.QN}, {"AN", q.AN}, {"SN", q.SN},
        });
    }
    return QJsonObject{
        {"InputMode", inputMode},
        {"StageMax", stageMax},
        {"MasMaxY", x.MasMaxY},
        {"MasMaxX", x.MasMaxX},
        {"MasStride", x.MasStride},
        {"MasLast", x.MasLast},
        {"QuesNmbMax", x.QuesNmbMax},
        {"QuesDownFirst", x.QuesDownFirst},
        {"level", x.Level},
        {"lblTitle", captions.lblTitle},
        {"lblLevel", captions.lblLevel},
        {"lblQuesNmbMax", captions.lblQuesNmbMax},
        {"lblMasMaxXY", captions.lblMasMaxXY},
        {"Mas", mas},
        {"Ques", ques},
    };
}

}  // namespace kirune
