#pragma once

#include <QString>
#include <QVector>

class QCheckBox;
class QWidget;

namespace db
{
class Query;
}

namespace operators
{

constexpr int FlagCount = 21;

// The list window names flag 7 differently from the add and modify windows.
enum class FlagCaptions { Editor, List };

// CheckBox1 ... CheckBox21 laid out in a grid inside parent; element N-1 is flag N.
QVector<QCheckBox*> createFlagBoxes(QWidget* parent, FlagCaptions captions);

void setAllFlags(const QVector<QCheckBox*>& boxes, bool ticked);

// Ticks box N exactly when column N of the query's current row is true; with no
// current row every box is unticked.
void showFlags(const QVector<QCheckBox*>& boxes, const db::Query& row);

// How the operator windows write a flag into their statements.
QString flagText(const QCheckBox* box);

} // namespace operators
