#include "story/Checker.h"
#include "story/Progress.h"

#include <algorithm>

namespace kirune {

namespace {

constexpr qint64 kWritesApartMs = 1000;

bool HasEntries(const StageProgress& p) {
    return std::any_of(p.entered.begin(), p.entered.end(), [](const QString& row) {
        return std::any_of(row.begin(), row.end(), [](QChar ch) { return ch != kEmptyCell && ch != kBlackCell; });
    });
}

}  // namespace

Progress::Progress(const StoryContext& context, Board& board, Checker& checker)
    : ctx(context), board(board), checker(checker) {}

int Progress::StageToResume(const std::vector<qint32>& StageClear) {
    saved = ctx.library.ReadProgress();
    if (!saved)
        return 0;
    const int n = saved->stage;
    if (n >= int(StageClear.size())) {
        ctx.library.SetProgressAside(QStringLiteral("is for stage %1, which the play file does not have").arg(n));
        saved.reset();
    } else if (StageClear[size_t(n)] != 0) {
        ctx.library.DeleteProgress();
        saved.reset();
    }
    return saved ? n : 0;
}

void Progress::StageOpened(int n) {
    stage = n;
    resumed = false;
    kept.reset();
    if (saved && saved->stage == n) {
        if (const auto why = board.Misfit(*saved)) {
            ctx.library.SetProgressAside(*why + QStringLiteral(" of stage %1").arg(n));
        } else {
            board.Restore(*saved);
            checker.Resume(saved->checks, saved->hints);
            resumed = true;
            kept = saved;
        }
    }
    saved.reset();
    Keep();
}

void Progress::OnTick() {
    if (stage != 0 && keptMark != MarkNow() && ctx.host.NowMs() - keptAtMs >= kWritesApartMs)
        Keep();
}

Progress::Mark Progress::MarkNow() const {
    return {stage, board.Edits(), board.CurMas(), board.CurStep(), checker.CheckCount(), checker.AdviceStep()};
}

void Progress::Solved() {
    ctx.library.DeleteProgress();
    stage = 0;
}

void Progress::Keep() {
    if (stage == 0)
        return;
    keptMark = MarkNow();
    StageProgress now = board.Snapshot();
    now.stage = stage;
    now.checks = checker.CheckCount();
    now.hints = checker.AdviceStep();
    if (kept == now)
        return;
    // A board without a letter on it is nothing to come back to.
    if (HasEntries(now))
        ctx.library.WriteProgress(now);
    else
        ctx.library.DeleteProgress();
    kept = std::move(now);
    keptAtMs = ctx.host.NowMs();
}

}  // namespace kirune
