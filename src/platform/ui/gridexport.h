#pragma once

#include <QString>

namespace ui
{

class DBGridEh;

enum class ExportFormat { Text, Csv, Html, Rtf, Xls };

// The save dialog's filter and the format behind each of its entries (1-based).
extern const QString ExportFilter;
ExportFormat exportFormatAt(int filterIndex);
QString exportExtension(ExportFormat format);
// The extension rule: ".ext" is appended unless the last three characters,
// compared without regard to case, are already the extension.
QString withExportExtension(const QString& fileName, ExportFormat format);

// Writes every record of the grid in its current order, with the title row
// and the footer row, as displayed. Writes to a temporary file beside the
// target and renames it over the target only when complete. Raises
// std::runtime_error on failure.
void writeGridFile(const DBGridEh& grid, const QString& path, ExportFormat format);

// The export command of the list windows: the save dialog, the extension
// rule, the write. Returns true when a file was written (the window then shows
// its own success box); false when cancelled. Write errors raise.
bool exportGrid(const DBGridEh& grid);

} // namespace ui
