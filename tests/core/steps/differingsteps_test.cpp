// The steps a comparison marks in the step editor: byte runs widened to whole steps and
// merged where they meet.
#include "core/steps/differingsteps.h"

#include <QByteArray>
#include <gtest/gtest.h>
#include <random>

using namespace chaserom;

namespace chaserom {

// How a failed expectation prints a span; static, so that no other test's printer clashes.
static void PrintTo(const StepSpan& span, std::ostream* out) {
    *out << "steps " << span.first << " +" << span.count;
}

} // namespace chaserom

namespace {

struct DifferingStepsCase {
    const char* name;
    std::vector<DifferingRun> runs;
    qint64 sizeA;
    qint64 sizeB;
    int stepLength;
    QList<StepSpan> steps;
};

const DifferingStepsCase differingStepsCases[] = {
    {"identical", {}, 32, 32, 1, {}},
    {"one byte, one step", {{5, 5}}, 32, 32, 1, {{5, 1}}},
    {"a run over bytes is a run over steps", {{2, 3}}, 32, 32, 1, {{2, 2}}},
    {"runs apart stay apart", {{2, 3}, {10, 10}, {20, 20}}, 32, 32, 1, {{2, 2}, {10, 1}, {20, 1}}},
    // Steps of four bytes: the address of a byte is step * 4 + byte.
    {"a run inside one step", {{5, 6}}, 32, 32, 4, {{1, 1}}},
    {"two runs in the same step", {{4, 4}, {7, 7}}, 32, 32, 4, {{1, 1}}},
    {"a run over a step boundary", {{7, 8}}, 32, 32, 4, {{1, 2}}},
    {"a run over four steps", {{3, 12}}, 32, 32, 4, {{0, 4}}},
    {"runs in steps that touch merge", {{3, 3}, {4, 4}}, 32, 32, 4, {{0, 2}}},
    {"a run reaching into the next run's step", {{1, 4}, {6, 9}}, 32, 32, 4, {{0, 3}}},
    {"a step between runs keeps them apart", {{0, 0}, {8, 8}}, 32, 32, 4, {{0, 1}, {2, 1}}},
    {"three steps of three bytes", {{2, 2}, {3, 3}, {9, 10}}, 33, 33, 3, {{0, 2}, {3, 1}}},
    // Only the common length is compared; the rest is no step of either image.
    {"a length difference alone", {}, 32, 40, 4, {}},
    {"a length difference and a run", {{30, 31}}, 40, 32, 2, {{15, 1}}},
    {"a last step cut short", {{32, 32}}, 33, 33, 4, {{8, 1}}},
};

void PrintTo(const DifferingStepsCase& c, std::ostream* out) {
    *out << c.name;
}

class DifferingStepsTest : public ::testing::TestWithParam<DifferingStepsCase> {};

TEST_P(DifferingStepsTest, WidensRunsToStepsAndMergesThem) {
    const DifferingStepsCase& c = GetParam();
    const ImageComparison comparison{c.runs, c.sizeA, c.sizeB};
    EXPECT_EQ(differingSteps(comparison, c.stepLength), c.steps);
}

INSTANTIATE_TEST_SUITE_P(Runs, DifferingStepsTest, ::testing::ValuesIn(differingStepsCases));

/// The spans as they are defined: every step marked that holds a differing byte, then the
/// marked steps gathered one at a time into spans of neighbours.
QList<StepSpan> referenceSteps(QByteArrayView a, QByteArrayView b, int stepLength) {
    std::vector<bool> marked(static_cast<size_t>(std::max(a.size(), b.size())), false);
    for (qsizetype at = 0; at < std::min(a.size(), b.size()); ++at) {
        if (a[at] != b[at]) {
            marked[static_cast<size_t>(at / stepLength)] = true;
        }
    }
    QList<StepSpan> steps;
    for (int step = 0; step < static_cast<int>(marked.size()); ++step) {
        if (!marked[static_cast<size_t>(step)]) {
            continue;
        }
        if (!steps.isEmpty() && steps.back().first + steps.back().count == step) {
            ++steps.back().count;
        } else {
            steps.append(StepSpan{step, 1});
        }
    }
    return steps;
}

TEST(DifferingSteps, AgreesWithTheStepAtATimeReference) {
    std::mt19937 random(8);
    for (int round = 0; round < 400; ++round) {
        const int stepLength = 1 + static_cast<int>(random() % 4);
        QByteArray a(static_cast<qsizetype>(random() % 120), '\0');
        QByteArray b = a;
        const int changes = static_cast<int>(random() % 10);
        for (int i = 0; i < changes && !b.isEmpty(); ++i) {
            const auto at = static_cast<qsizetype>(random() % static_cast<unsigned>(b.size()));
            b[at] = 'x';
        }
        b.resize(b.size() + static_cast<qsizetype>(random() % 5) - 2);
        EXPECT_EQ(differingSteps(compareImages(a, b), stepLength), referenceSteps(a, b, stepLength))
            << "round " << round << ", step length " << stepLength;
    }
}

} // namespace
