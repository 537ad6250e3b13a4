// Case-insensitive lookup of the window's controls by name.

#include "ControlIndex.h"

#include <QWidget>

void ControlIndex::Build(QObject* root) {
    m_byName.clear();
    const auto widgets = root->findChildren<QWidget*>();
    for (QWidget* w : widgets)
        if (!w->objectName().isEmpty())
            m_byName.insert(w->objectName().toLower(), w);
}

QWidget* ControlIndex::Find(const QString& name) const { return m_byName.value(name.toLower(), nullptr); }
