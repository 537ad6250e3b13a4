#pragma once
// Builders of the five tab pages. Each creates its page (named TabSheet1 ..
// TabSheet5) with every control of that tab under its fixed object name;
// the window wires the rules afterwards by those names. The page is built
// inside the tab area, so that its controls take the window's face as they
// are made rather than all at once when the page is added.

class QWidget;

namespace Tabs {

QWidget* BuildBasic(QWidget* tabArea);         // "Podstawowe"         TabSheet1
QWidget* BuildPhones(QWidget* tabArea);        // "numery telefonów"   TabSheet2
QWidget* BuildInputs(QWidget* tabArea);        // "Wejścia"            TabSheet3
QWidget* BuildSpecialInputs(QWidget* tabArea); // "Wejścia specjalne"  TabSheet4
QWidget* BuildOutputs(QWidget* tabArea);       // "Wyjścia"            TabSheet5

// The groups of "Podstawowe" keep their places at 96 dpi; when the window's
// face is wider than the one the window was drawn for, a column widens just
// enough to show every caption whole and the groups beside and below follow.
// Run once the page is in the window and has the window's font.
void FitBasicColumns(QWidget* page);

// The CLIP action captions, by digit (bit) 0..6.
extern const char* const ClipActionCaptions[7];

} // namespace Tabs
