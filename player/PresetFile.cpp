#include "PresetFile.h"

#include "PlatformError.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <limits>
#include <optional>
#include <utility>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five codes it
// leaves undefined map to the C1 controls, as Windows itself decodes them.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeCp1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte <= 0x9F ? QChar(Cp1252High[byte - 0x80]) : QChar(byte));
    }
    return text;
}

// Each line on its own: a file written as UTF-8 to which an older
// installation added a Windows-1252 line keeps both kinds of names.
QString DecodeLine(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return DecodeCp1252(bytes);
    return text;
}

// The file as lines without their line ends; nullopt when it exists but
// cannot be read. A missing file is an empty list.
std::optional<QStringList> LoadLines(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return QStringList();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;

    QList<QByteArray> rawLines = bytes.split('\n');
    if (!rawLines.isEmpty() && rawLines.last().isEmpty())
        rawLines.removeLast();
    QStringList lines;
    lines.reserve(rawLines.size());
    for (QByteArray& raw : rawLines) {
        if (raw.endsWith('\r'))
            raw.chop(1);
        lines.append(DecodeLine(raw));
    }
    return lines;
}

[[noreturn]] void ThrowUnableToWrite(const QString& path)
{
    throw PlatformError(QStringLiteral("Unable to write to %1").arg(path).toStdString());
}

void SaveLines(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        ThrowUnableToWrite(path);
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    // commit() alone lets a short write through (a full disk, a file size
    // limit) and would rename a truncated file over the old one; flush()
    // reports it.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        ThrowUnableToWrite(path);
}

// The lines of a write start from the file as it is now; a file that exists
// but cannot be read must not be replaced by one holding only the new key.
QStringList LoadLinesForWrite(const QString& path)
{
    std::optional<QStringList> lines = LoadLines(path);
    if (!lines)
        ThrowUnableToWrite(path);
    return *lines;
}

bool SectionHeader(const QString& line, QString* name)
{
    const QString text = line.trimmed();
    if (!text.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    *name = text.mid(1, close < 0 ? -1 : close - 1).trimmed();
    return true;
}

bool KeyLine(const QString& line, QString* key, QString* value)
{
    const QString text = line.trimmed();
    if (text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1Char('#')))
        return false;
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return false;
    *key = text.left(equals).trimmed();
    *value = text.mid(equals + 1).trimmed();
    return true;
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool IsHeaderOf(const QString& line, const QString& section)
{
    QString name;
    return SectionHeader(line, &name) && SameName(name, section);
}

// Index of the first header of that section at or after from, or -1.
qsizetype FindSection(const QStringList& lines, const QString& section, qsizetype from = 0)
{
    for (qsizetype i = from; i < lines.size(); ++i) {
        if (IsHeaderOf(lines[i], section))
            return i;
    }
    return -1;
}

// One past the last line of the section whose header is at header.
qsizetype SectionEnd(const QStringList& lines, qsizetype header)
{
    QString name;
    for (qsizetype i = header + 1; i < lines.size(); ++i) {
        if (SectionHeader(lines[i], &name))
            return i;
    }
    return lines.size();
}

// Index of the key's line inside the section starting at header, or -1.
qsizetype FindKey(const QStringList& lines, qsizetype header, const QString& key, QString* value)
{
    const qsizetype end = SectionEnd(lines, header);
    QString lineKey;
    for (qsizetype i = header + 1; i < end; ++i) {
        if (KeyLine(lines[i], &lineKey, value) && SameName(lineKey, key))
            return i;
    }
    return -1;
}

// A line break in a name or value would start a new line of the file.
QString OneLine(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString HeaderLine(const QString& section)
{
    return QLatin1Char('[') + OneLine(section) + QLatin1Char(']');
}

QString EntryLine(const QString& key, const QString& value)
{
    return OneLine(key) + QLatin1Char('=') + OneLine(value);
}

// Drops every section of that name, keeping the blank lines that close each
// one; puts replacement where the first one was. Returns whether there was one.
bool RemoveSections(QStringList& lines, const QString& section, const QStringList& replacement)
{
    qsizetype header = FindSection(lines, section);
    if (header < 0)
        return false;
    bool first = true;
    while (header >= 0) {
        qsizetype end = SectionEnd(lines, header);
        while (end > header + 1 && lines[end - 1].trimmed().isEmpty())
            --end;
        lines.remove(header, end - header);
        if (first) {
            for (qsizetype i = 0; i < replacement.size(); ++i)
                lines.insert(header + i, replacement[i]);
            header += replacement.size();
            first = false;
        }
        header = FindSection(lines, section, header);
    }
    return true;
}

} // namespace

PresetFile::PresetFile(QString path) : m_path(std::move(path)) {}

QString PresetFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const std::optional<QStringList> lines = LoadLines(m_path);
    if (!lines)
        return defaultValue;
    const qsizetype header = FindSection(*lines, section);
    if (header < 0)
        return defaultValue;
    QString value;
    if (FindKey(*lines, header, key, &value) < 0)
        return defaultValue;
    return value;
}

int PresetFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const QString text = ReadString(section, key, QString());
    qsizetype digits = 0;
    if (text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-')))
        digits = 1;
    if (digits >= text.size())
        return defaultValue;
    for (qsizetype i = digits; i < text.size(); ++i) {
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return defaultValue;
    }
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(value);
}

void PresetFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    QStringList lines = LoadLinesForWrite(m_path);
    const qsizetype header = FindSection(lines, section);
    if (header < 0) {
        lines.append(HeaderLine(section));
        lines.append(EntryLine(key, value));
    } else {
        QString oldValue;
        const qsizetype keyLine = FindKey(lines, header, key, &oldValue);
        if (keyLine >= 0) {
            lines[keyLine] = EntryLine(key, value);
        } else {
            qsizetype at = SectionEnd(lines, header);
            while (at > header + 1 && lines[at - 1].trimmed().isEmpty())
                --at;
            lines.insert(at, EntryLine(key, value));
        }
    }
    SaveLines(m_path, lines);
}

void PresetFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void PresetFile::EraseSection(const QString& section)
{
    QStringList lines = LoadLinesForWrite(m_path);
    if (RemoveSections(lines, section, QStringList()))
        SaveLines(m_path, lines);
}

void PresetFile::ReplaceSection(const QString& section, const Entries& entries)
{
    QStringList block{HeaderLine(section)};
    for (const auto& [key, value] : entries)
        block.append(EntryLine(key, value));

    QStringList lines = LoadLinesForWrite(m_path);
    if (!RemoveSections(lines, section, block))
        lines.append(block);
    SaveLines(m_path, lines);
}
