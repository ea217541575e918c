#include "core/image/copynaming.h"

#include <gtest/gtest.h>

using namespace chaserom;

namespace {

struct NameCase {
    const char* image;
    const char* backup;
};

constexpr NameCase backupCases[] = {
    {"/roms/effect.bin", "/roms/effect.bak"},
    {"/roms/EFFECT.BIN", "/roms/EFFECT.bak"},
    {"effect.rom", "effect.bak"},
    // Never the image itself, never the image's own backup of another name.
    {"/roms/effect.bak", "/roms/effect.bak.bak"},
    {"/roms/effect.BaK", "/roms/effect.BaK.bak"},
    {"/roms/x.b", "/roms/x.b.bak"},
    {"/roms/effect", "/roms/effect.bak"},
    {"/roms/a.b.c", "/roms/a.b.c.bak"},
    {"/roms.old/effect", "/roms.old/effect.bak"},
    {"/roms/.bin", "/roms/.bak"},
    {"/roms/effect.2716", "/roms/effect.2716.bak"},
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.image;
}

class BackupNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(BackupNameTest, NamesTheBackup) {
    EXPECT_EQ(backupPathFor(QString::fromUtf8(GetParam().image)),
              QString::fromUtf8(GetParam().backup));
}

INSTANTIATE_TEST_SUITE_P(Paths, BackupNameTest, ::testing::ValuesIn(backupCases));

TEST(ResizedCopyName, PutsTheSizeBeforeTheExtension) {
    EXPECT_EQ(resizedCopyPathFor(QStringLiteral("/rom/effect.bin"), QStringLiteral("4096")),
              QStringLiteral("/rom/effect.4096.bin"));
    EXPECT_EQ(resizedCopyPathFor(QStringLiteral("/rom/effect.bin"), QStringLiteral("256")),
              QStringLiteral("/rom/effect.256.bin"));
}

TEST(ResizedCopyName, DropsTheLastThreeCharactersWhateverTheyAre) {
    EXPECT_EQ(resizedCopyPathFor(QStringLiteral("/rom/effect"), QStringLiteral("8192")),
              QStringLiteral("/rom/eff8192.bin"));
    EXPECT_EQ(resizedCopyPathFor(QStringLiteral("/rom/effect.bin"), QStringLiteral(" 8192")),
              QStringLiteral("/rom/effect. 8192.bin"));
    EXPECT_EQ(resizedCopyPathFor(QStringLiteral("abc"), QStringLiteral("1")),
              QStringLiteral("1.bin"));
    EXPECT_FALSE(resizedCopyPathFor(QStringLiteral("ab"), QStringLiteral("1")));
    EXPECT_FALSE(resizedCopyPathFor(QString(), QStringLiteral("1")));
}

} // namespace
