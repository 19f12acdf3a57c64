#include "PresetFile.h"
#include "FileSizeLimit.h"
#include "PlatformError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>


namespace {

class PresetFileTest : public ::testing::Test {
protected:
    QString Path() const { return m_dir.filePath(QStringLiteral("Solvane.cfg")); }

    void Store(const QByteArray& bytes) const
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray Stored() const
    {
        QFile file(Path());
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray("<no file>");
        return file.readAll();
    }

    QTemporaryDir m_dir;
};

struct ReadCase {
    const char* name;
    std::optional<QByteArray> file;
    const char* section;
    const char* key;
    QString expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class PresetFileReadTest : public PresetFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(PresetFileReadTest, ReadString)
{
    const ReadCase& c = GetParam();
    if (c.file)
        Store(*c.file);
    EXPECT_EQ(PresetFile(Path()).ReadString(QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                                            QStringLiteral("<default>")),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PresetFileReadTest, ::testing::Values(
    ReadCase{"MissingFile", std::nullopt, "Station", "8750", "<default>"},
    ReadCase{"MissingSection", QByteArray("[Channel]\nNum=10\n"), "Station", "8750", "<default>"},
    ReadCase{"MissingKey", QByteArray("[Station]\n8910=Jazz\n"), "Station", "8750", "<default>"},
    ReadCase{"KeyOfAnotherSection", QByteArray("[Channel]\n8750=x\n[Station]\n"), "Station", "8750", "<default>"},
    ReadCase{"CaseOfNames", QByteArray("[sTATION]\nlastchannel=9630\n"), "Station", "LastChannel", "9630"},
    ReadCase{"Blanks", QByteArray("  [ Station ]  \n\t 8750  =  Jazz FM \t\n"), "Station", "8750", "Jazz FM"},
    ReadCase{"EmptyValue", QByteArray("[Station]\n8750=\n"), "Station", "8750", ""},
    ReadCase{"FirstOfDuplicates", QByteArray("[Station]\n8750=One\n8750=Two\n[Station]\n8750=Three\n"),
             "Station", "8750", "One"},
    ReadCase{"CommentIsNoKey", QByteArray("[Station]\n;8750=Old\n"), "Station", ";8750", "<default>"},
    ReadCase{"CrLfAndNoFinalLineEnd", QByteArray("[Station]\r\n8750=Jazz\r\n9630=City"), "Station", "9630", "City"},
    ReadCase{"Utf8", QByteArray("[Station]\n8750=Caf\xC3\xA9 \xE2\x82\xAC\n"), "Station", "8750",
             QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC")},
    ReadCase{"Windows1252", QByteArray("[Station]\n8750=Caf\xE9 \x80 \x93Jazz\x94 \x9F\n"), "Station", "8750",
             QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9CJazz\xE2\x80\x9D \xC5\xB8")},
    ReadCase{"Utf8LineBesideWindows1252Line", QByteArray("[Station]\n8750=Caf\xC3\xA9\n9630=Caf\xE9\n"), "Station",
             "8750", QString::fromUtf8("Caf\xC3\xA9")},
    ReadCase{"Windows1252LineBesideUtf8Line", QByteArray("[Station]\n8750=Caf\xC3\xA9\n9630=Caf\xE9\n"), "Station",
             "9630", QString::fromUtf8("Caf\xC3\xA9")}),
    [](const auto& info) { return std::string(info.param.name); });

struct IntegerCase {
    const char* name;
    const char* value;
    int expected;
};

void PrintTo(const IntegerCase& c, std::ostream* out) { *out << c.name; }

class PresetFileIntegerTest : public PresetFileTest, public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(PresetFileIntegerTest, ReadInteger)
{
    Store(QByteArray("[Channel]\nNum=") + GetParam().value + "\n");
    EXPECT_EQ(PresetFile(Path()).ReadInteger(QStringLiteral("Channel"), QStringLiteral("Num"), 9),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PresetFileIntegerTest, ::testing::Values(
    IntegerCase{"Plain", "10790", 10790},
    IntegerCase{"Blanks", "  12 ", 12},
    IntegerCase{"Negative", "-3", -3},
    IntegerCase{"Plus", "+7", 7},
    IntegerCase{"Lowest", "-2147483648", -2147483647 - 1},
    IntegerCase{"Empty", "", 9},
    IntegerCase{"SignOnly", "-", 9},
    IntegerCase{"TrailingJunk", "12abc", 9},
    IntegerCase{"Words", "ten", 9},
    IntegerCase{"Hex", "0x10", 9},
    IntegerCase{"InnerBlank", "1 0", 9},
    IntegerCase{"Fraction", "10.5", 9},
    IntegerCase{"TooLarge", "2147483648", 9},
    IntegerCase{"FarTooLarge", "99999999999999999999999", 9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PresetFileTest, MissingIntegerGivesDefault)
{
    EXPECT_EQ(PresetFile(Path()).ReadInteger(QStringLiteral("Channel"), QStringLiteral("1"), 8750), 8750);
}

struct WriteCase {
    const char* name;
    std::optional<QByteArray> before;
    std::function<void(PresetFile&)> write;
    QByteArray after;
};

void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.name; }

class PresetFileWriteTest : public PresetFileTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(PresetFileWriteTest, Write)
{
    const WriteCase& c = GetParam();
    if (c.before)
        Store(*c.before);
    PresetFile file(Path());
    c.write(file);
    EXPECT_EQ(Stored(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, PresetFileWriteTest, ::testing::Values(
    WriteCase{"CreatesFile", std::nullopt,
              [](PresetFile& f) { f.WriteString("LastOne", "LastChannel", "9630"); },
              "[LastOne]\nLastChannel=9630\n"},
    WriteCase{"ReplacesValueMatchedWithoutCase", QByteArray("[station]\n8750 = Old\n9630=City\n"),
              [](PresetFile& f) { f.WriteString("Station", "8750", "Jazz"); },
              "[station]\n8750=Jazz\n9630=City\n"},
    WriteCase{"NewKeyAtEndOfItsSection", QByteArray("[Channel]\nNum=9\n\n[Station]\n8750=A\n"),
              [](PresetFile& f) { f.WriteInteger("Channel", "10", 10790); },
              "[Channel]\nNum=9\n10=10790\n\n[Station]\n8750=A\n"},
    WriteCase{"NewSectionAtEnd", QByteArray("[LastOne]\nLastChannel=9630\n"),
              [](PresetFile& f) { f.WriteString("Station", "10790", ""); },
              "[LastOne]\nLastChannel=9630\n[Station]\n10790=\n"},
    WriteCase{"KeepsLinesItDoesNotUnderstand",
              QByteArray("; made by hand\nstray=1\n[Station]\nnot a key\n# note\n8750=A\n[Other]\nx = y \n"),
              [](PresetFile& f) { f.WriteString("Station", "9630", "City Radio"); },
              "; made by hand\nstray=1\n[Station]\nnot a key\n# note\n8750=A\n9630=City Radio\n[Other]\nx = y \n"},
    WriteCase{"WritesLfAndUtf8", QByteArray("[Station]\r\n8750=Caf\xE9\r\n"),
              [](PresetFile& f) { f.WriteString("Station", "9630", QString::fromUtf8("\xC3\x9C" "ber")); },
              "[Station]\n8750=Caf\xC3\xA9\n9630=\xC3\x9C" "ber\n"},
    WriteCase{"LineBreakInValueStaysOnOneLine", std::nullopt,
              [](PresetFile& f) { f.WriteString("Station", "8750", "Jazz\r\n[Channel]\nNum=60"); },
              "[Station]\n8750=Jazz  [Channel] Num=60\n"},
    WriteCase{"EraseSectionKeepsTheOthers",
              QByteArray("[LastOne]\nLastChannel=1\n[Channel]\nNum=10\n1=8750\n\n[Station]\n8750=A\n"),
              [](PresetFile& f) { f.EraseSection("Channel"); },
              "[LastOne]\nLastChannel=1\n\n[Station]\n8750=A\n"},
    WriteCase{"EraseSectionRemovesEveryCopy", QByteArray("[Channel]\n1=1\n[X]\na=b\n[CHANNEL]\n2=2\n"),
              [](PresetFile& f) { f.EraseSection("channel"); },
              "[X]\na=b\n"},
    WriteCase{"EraseMissingSectionWritesNothing", std::nullopt,
              [](PresetFile& f) { f.EraseSection("Channel"); },
              "<no file>"},
    WriteCase{"ReplaceSectionInPlace",
              QByteArray("[LastOne]\nLastChannel=1\n[Channel]\nNum=10\n11=9000\n[Station]\n8750=A\n[channel]\n3=3\n"),
              [](PresetFile& f) { f.ReplaceSection("Channel", {{"Num", "9"}, {"1", "8750"}}); },
              "[LastOne]\nLastChannel=1\n[Channel]\nNum=9\n1=8750\n[Station]\n8750=A\n"},
    WriteCase{"ReplaceMissingSectionAppends", QByteArray("[Station]\n8750=A\n"),
              [](PresetFile& f) { f.ReplaceSection("Channel", {{"Num", "0"}}); },
              "[Station]\n8750=A\n[Channel]\nNum=0\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PresetFileTest, EveryCallSeesTheFileAsItIsNow)
{
    PresetFile file(Path());
    file.WriteString(QStringLiteral("Station"), QStringLiteral("8750"), QStringLiteral("Jazz"));
    Store("[Station]\n8750=Edited\n[LastOne]\nLastChannel=8750\n");
    EXPECT_EQ(file.ReadString(QStringLiteral("Station"), QStringLiteral("8750"), QString()), QStringLiteral("Edited"));
    file.WriteString(QStringLiteral("Station"), QStringLiteral("9630"), QStringLiteral("City"));
    EXPECT_EQ(Stored(), QByteArray("[Station]\n8750=Edited\n9630=City\n[LastOne]\nLastChannel=8750\n"));
}

TEST_F(PresetFileTest, WrittenStringReadsBack)
{
    PresetFile file(Path());
    const QString name = QString::fromUtf8("Radio \xE2\x82\xAC \xC3\xA9t\xC3\xA9");
    file.WriteString(QStringLiteral("Station"), QStringLiteral("10790"), name);
    file.WriteInteger(QStringLiteral("Channel"), QStringLiteral("Num"), -5);
    EXPECT_EQ(file.ReadString(QStringLiteral("Station"), QStringLiteral("10790"), QString()), name);
    EXPECT_EQ(file.ReadInteger(QStringLiteral("Channel"), QStringLiteral("Num"), 9), -5);
}

// Root may write anywhere, so refusals come from the file system's shape:
// a folder that is a regular file, a file name taken by a folder.
class PresetFileRefusedTest : public PresetFileTest {
protected:
    void ExpectRefused(const QString& path, const std::function<void(PresetFile&)>& write)
    {
        PresetFile file(path);
        try {
            write(file);
            ADD_FAILURE() << "the write was not refused";
        } catch (const PlatformError& error) {
            EXPECT_EQ(std::string(error.what()), "Unable to write to " + path.toStdString());
        }
    }
};

TEST_F(PresetFileRefusedTest, FolderIsARegularFile)
{
    const QString folder = m_dir.filePath(QStringLiteral("AppDir"));
    QFile plain(folder);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("not a folder\n");
    plain.close();

    ExpectRefused(folder + QStringLiteral("/Solvane.cfg"),
                  [](PresetFile& f) { f.WriteString("LastOne", "LastChannel", "9630"); });
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    EXPECT_EQ(plain.readAll(), QByteArray("not a folder\n"));
}

TEST_F(PresetFileRefusedTest, FileNameIsAFolder)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("Solvane.cfg/inside")));
    ExpectRefused(Path(), [](PresetFile& f) { f.EraseSection("Channel"); });
    ExpectRefused(Path(), [](PresetFile& f) { f.WriteInteger("Channel", "Num", 10); });
    ExpectRefused(Path(), [](PresetFile& f) { f.ReplaceSection("Channel", {{"Num", "9"}}); });
    EXPECT_TRUE(QFileInfo(Path()).isDir());
    EXPECT_EQ(QDir(Path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"inside"});
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"Solvane.cfg"});
}

// A disk that fills up half way through the new file: the old file must stay
// whole, and no temporary file may be left behind.

TEST_F(PresetFileRefusedTest, InterruptedReplaceLeavesTheOldFile)
{
    const QByteArray before("[LastOne]\nLastChannel=9630\n[Channel]\nNum=10\n1=8750\n2=8910\n3=9010\n4=9170\n"
                            "5=9390\n6=9630\n7=9810\n8=10010\n9=10330\n10=10790\n");
    Store(before);
    {
        const FileSizeLimit limit(static_cast<rlim_t>(before.size()));
        ExpectRefused(Path(), [](PresetFile& f) {
            f.ReplaceSection("Channel", {{"Num", "11"}, {"1", "8750"}, {"2", "8910"}, {"3", "9010"}, {"4", "9170"},
                                         {"5", "9390"}, {"6", "9630"}, {"7", "9810"}, {"8", "10010"},
                                         {"9", "10330"}, {"10", "10790"}, {"11", "10800"}});
        });
    }
    EXPECT_EQ(Stored(), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"Solvane.cfg"});
}

} // namespace
