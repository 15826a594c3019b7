// An existing score file of any content: what the game reads from it, then its two writes,
// which must keep what they do not change readable.

#include "fuzz/FuzzInput.h"
#include "library/Library.h"
#include "support/SimHost.h"

#include <QFile>

using namespace kirune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SimHost host;
    host.reports.clear();
    host.onReport = [](const ReportBox&) { return int(AnswerYes); };
    Library library(host);
    library.LogFolder = FuzzFolder();
    library.TempFolder = FuzzFolder() + QStringLiteral("temp/");
    library.LogFileName = QStringLiteral("play.log");
    WriteFuzzFile(library.LogFileName, data, size);

    // Play files of different lengths meet the same score file.
    std::vector<qint32> clear(size_t(1 + size % 40), -1);
    if (!library.ReadLogStatus(clear))
        return 0;
    const QString name = library.ReadPlayerName();

    for (size_t i = 1; i < clear.size(); ++i)
        clear[i] = (i % 3 == 0) ? 1 : 0;
    library.WriteLogStatus(clear);
    library.SavePlayerName(name);

    FuzzCheck(library.ReadPlayerName() == name, "the saved name does not read back");
    std::vector<qint32> again(clear.size(), -1);
    library.ReadLogStatus(again);
    again[0] = clear[0];
    FuzzCheck(again == clear, "the written status does not read back");
    FuzzCheck(!QFile::exists(FuzzFolder() + QStringLiteral("temp.log")), "the scratch file is left behind");
    return 0;
}
