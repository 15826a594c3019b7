// A progress file of any content beside a score file: it is taken up or set aside as .bad, never
// both, never neither; the score file stays as it was; and what was taken up is written back and
// reads back the same.

#include "fuzz/FuzzInput.h"
#include "library/Library.h"
#include "support/FileBytes.h"
#include "support/SimHost.h"

#include <QFile>

using namespace kirune;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SimHost host;
    host.diagnostics.clear();
    Library library(host);
    library.LogFolder = FuzzFolder();
    library.LogFileName = QStringLiteral("play.log");
    static const QString score = WriteFuzzFile(library.LogFileName, reinterpret_cast<const uint8_t*>("0,1\r\n"), 5);
    const QString bad = FuzzFolder() + QStringLiteral("play.progress.bad");
    QFile::remove(bad);
    WriteFuzzFile(QStringLiteral("play.progress"), data, size);

    const auto read = library.ReadProgress();
    FuzzCheck(read.has_value() != QFile::exists(bad), "the file was neither taken up nor set aside, or both");
    FuzzCheck(host.diagnostics.size() == (read ? 0 : 1), "a file set aside is not said once");
    FuzzCheck(FileBytes(score) == "0,1\r\n", "the score file changed");
    if (!read)
        return 0;
    const StageProgress& p = *read;
    FuzzCheck(p.entered.size() == p.rows && p.undo.size() == p.rows && p.cursorRow <= p.rows &&
                  p.cursorColumn <= p.columns,
              "the grids or the cursor do not fit the size read");
    FuzzCheck(library.WriteProgress(p), "the file cannot be written back");
    FuzzCheck(library.ReadProgress() == read, "the written file does not read back");
    FuzzCheck(!QFile::exists(FuzzFolder() + QStringLiteral("temp.progress")), "the scratch file is left behind");
    return 0;
}
