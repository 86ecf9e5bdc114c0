#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <functional>

class QWidget;

namespace ilmo::shell::ui {

// Layout class name -> how to build it. Names are compared without regard to case, as the
// layouts spell them freely. Entries are added by explicit calls at start-up.
class ControlFactory {
public:
    using Creator = std::function<QWidget*(QWidget* parent)>;

    // A later entry under the same name replaces the earlier one.
    void add(const QString& class_name, Creator creator);
    // The class stands for a whole sub-layout: the loader builds layout_name in its place,
    // so classes nested in the sub-layout go through this same table.
    void add_subtree(const QString& class_name, const QString& layout_name);

    bool contains(QStringView class_name) const;
    // nullptr when the name is unknown or names a subtree.
    QWidget* create(QStringView class_name, QWidget* parent) const;
    // The sub-layout's name, empty when class_name is not a subtree entry.
    QString subtree_layout(QStringView class_name) const;

private:
    struct Entry {
        Creator creator;
        QString subtree_layout;
    };
    static QString key(QStringView class_name);

    QHash<QString, Entry> entries_;
};

}  // namespace ilmo::shell::ui
