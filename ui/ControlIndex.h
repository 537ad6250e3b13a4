#pragma once
// Finds the window's controls by name without regard to letter case, as the
// families of controls are reached: a stem and the numbers ("ETSMS_We" + n +
// "_Re" + r). Built once after the window is complete.

#include <QHash>
#include <QString>

class QObject;
class QWidget;

class ControlIndex final {
public:
    // Indexes every named descendant of root.
    void Build(QObject* root);

    // The control of that name (any letter case), or nullptr.
    QWidget* Find(const QString& name) const;

private:
    QHash<QString, QWidget*> m_byName;
};
