// Long play on every shipped collection: a simulated player types right and wrong answers,
// asks for hints, checks, changes stages and answers the partner for hours of virtual time,
// game after game on one score file, while the model's invariants are checked after every
// step and the heap is watched for growth.

#include "library/PlayFile.h"
#include "support/ModelInvariants.h"
#include "support/Romaji.h"
#include "support/SimGame.h"

#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <set>

namespace kirune {
namespace {

// KIRUNE_SOAK_HOURS sets the virtual hours per collection (10), KIRUNE_SOAK_SEED the draw.
// Nothing looks at the stage picture and painting it would take most of the run; with
// KIRUNE_SOAK_PAINT=1 it is painted all the same, for the memory of the painting.
double EnvNumber(const char* name, double fallback) {
    const char* given = std::getenv(name);
    const double value = given ? std::atof(given) : fallback;
    return value > 0 ? value : fallback;
}

struct Memory {
    long residentKb = 0, heapKb = 0;  // the heap: allocated and not freed
};

Memory MeasureMemory() {
    // Give back what free() keeps in reserve, so that only memory still held counts.
    malloc_trim(0);
    long size = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    const struct mallinfo2 heap = mallinfo2();
    return {resident * (sysconf(_SC_PAGESIZE) / 1024), long((heap.uordblks + heap.hblkhd) / 1024)};
}

class Soak {
public:
    Soak(const QString& collection, unsigned seed) : name(collection), random(seed) {
        // A copy, so that the score file is made beside it and not in the program folder.
        playFile = dir.filePath(collection);
        EXPECT_TRUE(QFile::copy(QStringLiteral(KIRUNE_PROGRAM_DIR "/") + collection, playFile)) << collection.toStdString();
        const auto mode = ReadInputMode(playFile);
        EXPECT_TRUE(mode) << collection.toStdString();
        inputMode = mode ? mode.value : 0;
    }

    void Run(double hours);

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random); }
    qint64 PlayedMs() const { return pastMs + (game ? game->host.NowMs() : 0); }

    void NewGame() {
        game.reset();
        ++games;
        // Any time of day, midnight included: the clock of play must not care.
        game = std::make_unique<SimGame>(playFile, double(Pick(86400)), [this](SimGame& g) {
            g.game.anim.SetPaintStage(EnvNumber("KIRUNE_SOAK_PAINT", 0) == 1);
            g.host.onReport = [](const ReportBox& box) {
                EXPECT_TRUE(box.title == QStringLiteral("Kiruneの終了") ||
                            box.title == QStringLiteral("報告：クロスワードはすべて解き終えています"))
                    << "unexpected report " << box.title.toStdString();
                // Start over when everything is solved; every other report only has OK.
                return box.buttons == ReportButtons::YesNo ? AnswerYes : AnswerOk;
            };
        });
        ASSERT_FALSE(game->endedAtStart) << "game " << games << " ended during start-up";
        CheckAtRest();
    }

    void EndOfGame() {
        // Stopped, all solved, no more stages, time up, hints run out, left alone.
        static const std::set<int> farewells = {1731, 2525, 2613, 3121, 3011, 3261};
        const QList<int>& talks = game->game.talk.History();
        EXPECT_TRUE(std::any_of(talks.begin(), talks.end(), [](int n) { return farewells.count(n) > 0; }))
            << "game " << games << " ended without a farewell";
        const QStringList broken = CheckScoreFile(game->ScoreFilePath(), game->story.flow.StageClear(), game->typedName);
        EXPECT_TRUE(broken.isEmpty()) << "after game " << games << ": " << broken.join(u'\n').toStdString();
        pastMs += game->host.NowMs();
        game.reset();
    }

    void CheckAtRest() {
        Story& story = game->story;
        game->host.RunUntil([&] { return story.board.InputBuff().isEmpty() && !story.board.MasAnimBusy(); }, 30.0);
        const QStringList broken = CheckModelInvariants(story, game->screen) +
                                   CheckScoreFile(game->ScoreFilePath(), story.flow.StageClear(), game->typedName);
        ASSERT_TRUE(broken.isEmpty()) << name.toStdString() << ", game " << games << ", step " << steps << ", stage "
                                      << story.flow.StageNmb() << ", " << PlayedMs() / 1000 << " s played:\n"
                                      << broken.join(u'\n').toStdString();
    }

    QChar RandomEntry() {
        if (inputMode == 0)
            return QChar(char16_t(0xFF21 + Pick(26)));
        static const QString typeable = QStringLiteral(
            "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワヲン"
            "ガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポヴー");
        return typeable[Pick(int(typeable.size()))];
    }

    // A word typed from its first cell, mostly one still wrong: mostly right, sometimes with a
    // slip or two, sometimes only begun.
    void TypeWord() {
        const Crossword& x = game->Stage();
        std::vector<int> unsolved;
        for (int w = 1; w <= x.QuesNmbMax; ++w) {
            const QuesRec& q = x.Ques[size_t(w)];
            for (int i = 0; i < q.Length; ++i)
                if (x.Mas[size_t(q.Start + i * (x.IsAcrossWord(w) ? 1 : x.MasStride))].Entered != q.AnswerText[i]) {
                    unsolved.push_back(w);
                    break;
                }
        }
        const int w = !unsolved.empty() && Chance(0.9) ? unsolved[size_t(Pick(int(unsolved.size())))] : 1 + Pick(x.QuesNmbMax);
        QString text = x.Ques[size_t(w)].AnswerText;
        if (Chance(0.15))
            for (int slips = 1 + Pick(2); slips > 0; --slips)
                text[Pick(int(text.size()))] = RandomEntry();
        if (Chance(0.1))
            text.truncate(1 + Pick(int(text.size())));
        game->Select(w);
        game->Type(inputMode == 1 ? Romaji(text) : text);
    }

    // Keys of every kind, letters that make no kana among them.
    void PressKeys() {
        static const int others[] = {Key::Up, Key::Down, Key::Left, Key::Right, Key::Space, Key::Delete, Key::Esc, Key::Minus};
        for (int n = 1 + Pick(6); n > 0; --n)
            game->Key(Chance(0.5) ? Key::A + Pick(26) : others[Pick(8)]);
        game->RunFor(1.0);
    }

    void PressButtons() {
        Story& story = game->story;
        switch (Pick(5)) {
        case 0: game->Click(Pick(game->Stage().MasLast + 1)); break;
        case 1: story.OnKeyDeleteClick(); break;
        case 2: story.OnKeyUndoClick(); break;
        case 3: story.OnControllerClick(1 + Pick(2), Controller(Pick(5))); break;
        default: story.OnScrollClick(Chance(0.5), 1 + Pick(4)); break;
        }
        game->RunFor(0.5);
    }

    void Check() {
        // The impatient player hurries the marking along, or presses keys while it runs.
        if (Chance(0.3))
            game->host.Post(200 + Pick(8000), [this] {
                if (game->screen.lblMarkSpeedUpVisible)
                    game->story.OnMarkSpeedUpClick();
            });
        if (Chance(0.2))
            game->Key(Key::A + Pick(26));
        game->story.OnAnswerOpenClick();
    }

    void Step();

    QString name;
    std::mt19937 random;
    QTemporaryDir dir;
    QString playFile;
    int inputMode = 0;
    std::unique_ptr<SimGame> game;
    qint64 pastMs = 0;
    int games = 0;
    long steps = 0;
};

void Soak::Step() {
    ++steps;
    // The partner's questions: check now, next stage, another stage, stop.
    game->menuAnswers = {
        {2115, Chance(0.9) ? 1 : 2}, {2535, Chance(0.97) ? 1 : 2}, {1915, Chance(0.35) ? 1 : 2}, {1615, Chance(0.8) ? 2 : 1}};
    // Out of a hundred steps: 55 words typed, 7 bursts of keys, 7 button presses, 5 hints,
    // 4 stage changes, half an end, 6 checks, the rest only thinking. A full grid is checked.
    const bool allRight = game->story.checker.CountWrongCells() == 0;
    const int roll = Pick(100);
    if (allRight ? roll < 70 : roll >= 79 && roll < 85) {
        Check();
    } else if (roll < 55) {
        TypeWord();
    } else if (roll < 62) {
        PressKeys();
    } else if (roll < 69) {
        PressButtons();
    } else if (roll < 74) {
        // Now and then hint after hint: the tenth ends the game.
        for (int n = Chance(0.1) ? 2 + Pick(9) : 1; n > 0; --n)
            game->story.OnAdviceClick();
    } else if (roll < 78) {
        game->story.OnCrossChangeClick();
    } else if (roll < 79 && Chance(0.5)) {
        game->story.OnEndClick();
    }
    // Thinking, now and then for minutes on end: seven idle minutes end the game.
    game->RunFor(Chance(0.01) ? 60.0 + Pick(480) : 1.0 + Pick(20));
    CheckAtRest();
}

void Soak::Run(double hours) {
    const qint64 endMs = qint64(hours * 3600.0 * 1000.0);
    const qint64 warmUpMs = std::min<qint64>(3600 * 1000, endMs / 10);
    std::optional<Memory> start;
    const auto wallStart = std::chrono::steady_clock::now();
    NewGame();
    while (!::testing::Test::HasFatalFailure() && PlayedMs() < endMs) {
        if (!start && PlayedMs() >= warmUpMs)
            start = MeasureMemory();
        try {
            Step();
        } catch (const GameEnded&) {
            EndOfGame();
            NewGame();
        }
    }
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    const Memory end = MeasureMemory();
    std::cout << "soak " << name.toStdString() << ": " << double(PlayedMs()) / 3600000.0 << " virtual h, " << games
              << " games, " << steps << " steps; heap " << start->heapKb << " -> " << end.heapKb << " KiB, resident "
              << start->residentKb << " -> " << end.residentKb << " KiB; "
              << std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count() << " s wall"
              << std::endl;
    // A game at a different stage holds a different grid: allow for that, not for a leak.
    // Under AddressSanitizer the heap is its own (mallinfo reads nothing) and freed blocks stay
    // in quarantine, so growth means nothing there; LeakSanitizer checks for leaks at exit.
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(end.heapKb - start->heapKb, 1024) << "the heap grew over the hours";
    EXPECT_LT(end.residentKb - start->residentKb, 4096) << "the resident set grew over the hours";
#endif
    game.reset();
}

void SoakOn(const QString& collection) {
    const char* givenSeed = std::getenv("KIRUNE_SOAK_SEED");
    const unsigned seed = givenSeed ? unsigned(std::strtoul(givenSeed, nullptr, 10)) : std::random_device()();
    const double hours = EnvNumber("KIRUNE_SOAK_HOURS", 10.0);
    std::cout << "soak " << collection.toStdString() << ": " << hours << " virtual h, seed " << seed
              << " (KIRUNE_SOAK_HOURS, KIRUNE_SOAK_SEED to change)" << std::endl;
    Soak soak(collection, seed);
    ASSERT_FALSE(::testing::Test::HasFailure());
    soak.Run(hours);
}

TEST(Soak, FirstEnglishWords) { SoakOn(QStringLiteral("はじめての英単語.vxl")); }
TEST(Soak, FirstKatakana) { SoakOn(QStringLiteral("はじめてのカタカナ.vxl")); }
TEST(Soak, KatakanaTour) { SoakOn(QStringLiteral("カタカナめぐり.vxl")); }
TEST(Soak, EnglishWordsTour) { SoakOn(QStringLiteral("英単語めぐり.vxl")); }

}  // namespace
}  // namespace kirune
