// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reader_tree.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QPointer>

#include <algorithm>
#include <unordered_map>

#include "label.h"
#include "picture_box.h"
#include "spoken_text.h"

namespace kwintor {

namespace {

const char* const UnreadProperty = "kwintorUnread";

struct Group {
    QAccessible::Role role;
    std::vector<QPointer<QWidget>> members;
};

std::unordered_map<const QWidget*, Group>& Groups()
{
    static std::unordered_map<const QWidget*, Group> groups;
    return groups;
}

QAccessibleInterface* ParentFor(const QWidget& member)
{
    QWidget* group = ReaderGroupOf(member);
    return group ? QAccessible::queryAccessibleInterface(group) : nullptr;
}

bool Listed(const QWidget* member)
{
    if (!member || member->isHidden())
        return false;
    const QAccessibleInterface* item = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(member));
    return item && (!item->text(QAccessible::Name).isEmpty() || item->childCount() > 0);
}

// A widget of the game, read under the group that lists it.
class MemberInterface : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessibleInterface* parent() const override
    {
        QAccessibleInterface* group = ParentFor(*widget());
        return group ? group : QAccessibleWidget::parent();
    }

    // Qt's AT-SPI bridge hands this on as it is, but a reader's mouse counts
    // the X screen's own pixels, which the game's zoom multiplies.
    QRect rect() const override
    {
        const QRect scaled = QAccessibleWidget::rect();
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return scaled;
        const qreal ratio = widget()->devicePixelRatioF();
        return QRectF(QPointF(scaled.topLeft()) * ratio, QSizeF(scaled.size()) * ratio).toRect();
    }
};

class GroupInterface : public MemberInterface, public SpokenText {
public:
    GroupInterface(QWidget& group, QAccessible::Role role)
        : MemberInterface(&group, role)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return MemberInterface::interface_cast(type);
    }

    int childCount() const override { return int(Shown().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const std::vector<QWidget*> shown = Shown();
        if (index < 0 || index >= int(shown.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown[std::size_t(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<QWidget*> shown = Shown();
        const auto found = std::find(shown.begin(), shown.end(), child ? child->object() : nullptr);
        return found == shown.end() ? -1 : int(found - shown.begin());
    }

private:
    std::vector<QWidget*> Shown() const
    {
        std::vector<QWidget*> shown;
        const auto group = Groups().find(widget());
        if (group == Groups().end())
            return shown;
        for (const QPointer<QWidget>& member : group->second.members)
            if (Listed(member))
                shown.push_back(member);
        return shown;
    }

    QString SpokenContent() const override { return MemberInterface::text(QAccessible::Name); }
};

// A label reads as the text it shows, or as its spoken name where it has one.
class LabelInterface : public MemberInterface, public SpokenText {
public:
    explicit LabelInterface(Label& label)
        : MemberInterface(&label, QAccessible::StaticText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return MemberInterface::interface_cast(type);
    }

    // Both the object's texts and the text interface's ranges are asked for by name.
    using SpokenText::text;

    QString text(QAccessible::Text kind) const override
    {
        QString own = MemberInterface::text(kind);
        if (kind == QAccessible::Name && own.isEmpty())
            return static_cast<const Label*>(object())->Caption();
        return own;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = MemberInterface::state();
        state.readOnly = true;
        return state;
    }

private:
    QString SpokenContent() const override { return text(QAccessible::Name); }
};

// A picture the keyboard reaches is a control to press keys on; one it
// does not, such as a palette tile, is an image.
class PictureInterface : public MemberInterface {
public:
    explicit PictureInterface(PictureBox& box)
        : MemberInterface(&box)
    {
    }

    QAccessible::Role role() const override
    {
        return widget()->focusPolicy() & Qt::TabFocus ? QAccessible::Button : QAccessible::Graphic;
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString& spoken = static_cast<const PictureBox*>(object())->SpokenName();
        return kind == QAccessible::Name && !spoken.isEmpty() ? spoken : MemberInterface::text(kind);
    }
};

// No children, no text and never shown: a text event of it finds no text
// to send, so a reader hears nothing of it.
class UnreadInterface : public QAccessibleWidget {
public:
    explicit UnreadInterface(QWidget& widget)
        : QAccessibleWidget(&widget, QAccessible::NoRole)
    {
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* ReaderFactory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (widget->property(UnreadProperty).toBool())
        return new UnreadInterface(*widget);
    if (const auto group = Groups().find(widget); group != Groups().end())
        return new GroupInterface(*widget, group->second.role);
    if (className == QLatin1String("kwintor::Label"))
        return new LabelInterface(*static_cast<Label*>(widget));
    if (className == QLatin1String("kwintor::PictureBox"))
        return new PictureInterface(*static_cast<PictureBox*>(widget));
    return nullptr;
}

// The toolkit keeps the first interface it made for a widget, which may
// have been asked for before the game said how to read it.
void ForgetInterface(QWidget& widget)
{
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace

// The toolkit asks the factory installed last first: this one has to come
// after the application's own, which its constructor installs.
void InstallReaderTree()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(ReaderFactory);
        return true;
    }();
}

void ReadAsGroup(QWidget& group, QAccessible::Role role, const std::vector<QWidget*>& members)
{
    InstallReaderTree();
    Group& entry = Groups()[&group];
    entry.role = role;
    entry.members.assign(members.begin(), members.end());
    QObject::connect(&group, &QObject::destroyed, [&group] { Groups().erase(&group); });
    ForgetInterface(group);
}

QWidget* ReaderGroupOf(const QWidget& member)
{
    for (const auto& [group, entry] : Groups())
        if (std::any_of(entry.members.begin(), entry.members.end(),
                        [&](const QPointer<QWidget>& listed) { return listed.data() == &member; }))
            return const_cast<QWidget*>(group);
    return nullptr;
}

void HideFromScreenReaders(QWidget& widget)
{
    InstallReaderTree();
    widget.setProperty(UnreadProperty, true);
    ForgetInterface(widget);
}

}  // namespace kwintor
