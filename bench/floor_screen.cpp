#include "bench/floor_screen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <istream>
#include <ostream>
#include <string>

namespace bench {

namespace {

FloorChild childOf(const QWidget& widget, const QWidget& screen) {
    const QRect geometry(widget.mapTo(&screen, QPoint(0, 0)), widget.size());
    if (auto* label = qobject_cast<const QLabel*>(&widget))
        return {'L', geometry, label->text(), widget.isHidden()};
    if (auto* edit = qobject_cast<const QLineEdit*>(&widget))
        return {'E', geometry, edit->text(), widget.isHidden()};
    if (auto* radio = qobject_cast<const QRadioButton*>(&widget))
        return {'R', geometry, radio->text(), widget.isHidden()};
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return {'B', geometry, button->text(), widget.isHidden()};
    if (auto* group = qobject_cast<const QGroupBox*>(&widget))
        return {'G', geometry, group->title(), widget.isHidden()};
    return {'W', geometry, QString(), widget.isHidden()};
}

QWidget* makeChild(const FloorChild& child, QWidget* parent) {
    switch (child.kind) {
    case 'L':
        return new QLabel(child.text, parent);
    case 'E':
        return new QLineEdit(child.text, parent);
    case 'B':
        return new QPushButton(child.text, parent);
    case 'R':
        return new QRadioButton(child.text, parent);
    case 'G':
        return new QGroupBox(child.text, parent);
    default:
        return new QWidget(parent);
    }
}

std::string encoded(const QString& text) { return text.toUtf8().toPercentEncoding().toStdString(); }

} // namespace

FloorScreen describe(const QWidget& screen) {
    FloorScreen floor{screen.objectName() + QStringLiteral(":floor"), screen.size(), {}};
    for (const QWidget* widget : screen.findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && !widget->isWindow())
            floor.children.push_back(childOf(*widget, screen));
    return floor;
}

QWidget* build(const FloorScreen& floor) {
    auto* window = new QWidget;
    window->setObjectName(floor.name);
    window->resize(floor.size);
    for (const FloorChild& child : floor.children) {
        QWidget* widget = makeChild(child, window);
        widget->setGeometry(child.geometry);
        widget->setHidden(child.hidden);
    }
    return window;
}

void write(std::ostream& out, const std::vector<FloorScreen>& floors) {
    for (const FloorScreen& floor : floors) {
        out << "screen " << encoded(floor.name) << ' ' << floor.size.width() << ' ' << floor.size.height()
            << ' ' << floor.children.size() << '\n';
        for (const FloorChild& c : floor.children)
            out << c.kind << ' ' << c.geometry.x() << ' ' << c.geometry.y() << ' ' << c.geometry.width()
                << ' ' << c.geometry.height() << ' ' << c.hidden << " [" << encoded(c.text) << "]\n";
    }
}

namespace {

QString decoded(const std::string& bracketed) {
    const std::string inner = bracketed.substr(1, bracketed.size() - 2);
    return QString::fromUtf8(QByteArray::fromPercentEncoding(QByteArray::fromStdString(inner)));
}

} // namespace

std::vector<FloorScreen> read(std::istream& in) {
    std::vector<FloorScreen> floors;
    std::string word, name;
    int width = 0, height = 0;
    size_t count = 0;
    while (in >> word >> name >> width >> height >> count) {
        FloorScreen floor{decoded("[" + name + "]"), QSize(width, height), {}};
        for (size_t i = 0; i < count; ++i) {
            FloorChild child{};
            int x = 0, y = 0, w = 0, h = 0;
            std::string text;
            in >> child.kind >> x >> y >> w >> h >> child.hidden >> text;
            child.geometry = QRect(x, y, w, h);
            child.text = decoded(text);
            floor.children.push_back(child);
        }
        floors.push_back(std::move(floor));
    }
    return floors;
}

} // namespace bench
