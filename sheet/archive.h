#pragma once
// Archive files of the calculation windows: a header line "typology,n", then the
// records of each row (each a line of double-quoted data texts separated by commas),
// CRLF line ends. A sheet in SI marks its file with a third value of the header line,
// "typology,n,\"SI\""; a sheet in "tecniche" writes none, so its files are byte for byte
// those of every earlier version, and a file without a marker is read as "tecniche". An
// unknown marker refuses the file. Which data columns a record holds is the window's own
// (SheetParams::archive.records). A file is checked whole before anything of it is
// used, so a damaged file never leaves half a sheet behind.
#include "sheet/message.h"
#include "sheet/params.h"
#include "sheet/safefile.h"

#include <QByteArray>
#include <QString>
#include <vector>

// What a valid archive file holds.
struct ArchiveContent {
    int typology = 0;
    int n = 0;
    Units units = Units::Tecniche;
    // rows[i][c - 1]: datum of data column c of sheet row i + 1 (empty when not stored).
    std::vector<std::vector<QString>> rows;
};

// Whether the window's table says enough to read and write its files.
bool ArchiveAvailable(const SheetParams& params);

// The file's bytes for rows 1..sheet.n() of a sheet of the given typology.
QByteArray FormatArchive(const SheetParams& params, const Sheet& sheet, int typology);

// Checks the whole text and fills content; false with a short Italian phrase in
// problem ("la riga 3 non contiene un dato valido") when the file cannot be used.
bool ParseArchive(const SheetParams& params, const QByteArray& bytes, ArchiveContent* content,
                  QString* problem);

// Only a regular file is read, and without waiting (a FIFO is refused at once).
bool ReadArchive(const SheetParams& params, const FilePath& path, ArchiveContent* content,
                 QString* problem);

// Replaces the file only with a complete, synced copy: a failed save leaves the previous
// file exactly as it was (WriteWholeFile).
bool WriteArchive(const SheetParams& params, const Sheet& sheet, int typology, const FilePath& path,
                  QString* problem);

// Empties the sheet and puts the content's data and units in it, then counts the rows.
// The caller lays the window out for content.typology.
void ApplyArchive(const ArchiveContent& content, Sheet& sheet);

// The refusal of a file whose name begins with the prefix of another of the windows:
// "Il file \"X\" è un archivio delle travi continue: aprirlo dalla finestra Travi
// continue."; empty when the name is the window's own or no window's.
QString ForeignArchiveMessage(const SheetParams& params,
                              const std::vector<const SheetParams*>& windows, const QString& path);

// One sentence for the window's message box (stop icon, check title).
QString ArchiveReadMessage(const QString& path, const QString& problem);
QString ArchiveWriteMessage(const QString& path, const QString& problem);
QString ArchiveDeleteMessage(const QString& path, const QString& problem);

// The file dialogs of the archive commands, built from the window's prefix.
FileDialogRequest OpenRequest(const SheetParams& params);
FileDialogRequest SaveRequest(const SheetParams& params, const QString& lastName);
FileDialogRequest DeleteRequest(const SheetParams& params);
