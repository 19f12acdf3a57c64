#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The INI file that holds the presets, the station names and the last tuned
// frequency, read and written like the Windows profile functions do:
// - a missing file, section or key reads as the caller's default;
// - section and key names match without regard to case; the first section
//   and the first key of a name count, later duplicates are kept untouched;
// - values are trimmed of surrounding blanks when read;
// - lines it does not understand (comments, lines without "=", text before
//   the first section) and all other sections are kept as they are;
// - nothing is cached: every call reads the file afresh, so a change made by
//   another writer between two calls is seen by the next;
// - every write replaces the whole file atomically (a temporary file in the
//   same folder, flushed, then renamed over it); a write the system refuses
//   throws PlatformError "Unable to write to <full path>" and leaves the old
//   file as it was;
// - text is written as UTF-8 with LF line ends (CRLF and LF are both read);
//   a line whose bytes are not valid UTF-8 is read as Windows-1252, so names
//   written by older installations survive and are rewritten as UTF-8;
// - a line break inside a value written would split it into two lines, so it
//   is written as a blank.
class PresetFile {
public:
    using Entries = QList<QPair<QString, QString>>;

    // Binds to the file; the file need not exist.
    explicit PresetFile(QString path);

    const QString& Path() const { return m_path; }

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // A decimal integer with an optional sign (blanks around it allowed) that
    // fits in 32 bits; anything else, hexadecimal included, gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;

    // Creates the file, the section (at the end of the file) or the key (after
    // the last key of its section) as needed.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    // Removes every section of that name with all its lines. A file without
    // the section is left alone and not rewritten.
    void EraseSection(const QString& section);
    // Replaces every section of that name with one section holding exactly
    // these keys, in one atomic write: a refused write leaves the old section
    // whole. The section stays where its first occurrence was (at the end of
    // the file when it was missing).
    void ReplaceSection(const QString& section, const Entries& entries);

private:
    QString m_path;
};
