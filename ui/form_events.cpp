// How a screen's parts get their events: a whole control array at once, or every element of the
// array of an object name (for tests and tools); each handler is told its element's index.
#include "ui/form.h"

#include <map>

namespace ui {

std::vector<QObject*> Form::elements(std::string_view name) const {
    std::map<int, QObject*> byIndex;
    const QString prefix = qstr(name) + '(';
    for (auto it = byName_.begin(); it != byName_.end(); ++it) {
        if (it.key() == qstr(name))
            byIndex[-1] = it.value();
        else if (it.key().startsWith(prefix))
            byIndex[it.key().mid(prefix.size()).chopped(1).toInt()] = it.value();
    }
    std::vector<QObject*> result;
    result.reserve(byIndex.size());
    for (const auto& [index, object] : byIndex)
        result.push_back(object);
    return result;
}

namespace {

int indexOf(const QObject* object) {
    const QString name = object->objectName();
    const qsizetype open = name.indexOf('(');
    return open < 0 ? -1 : name.mid(open + 1).chopped(1).toInt();
}

template <class T> bool bindEvent(QObject* object, Event T::*event, const Handler& handler) {
    auto* typed = dynamic_cast<T*>(object);
    if (typed)
        typed->*event = [handler, index = indexOf(object)] { handler(index); };
    return typed != nullptr;
}

} // namespace

void Form::onClick(QObject& element, const Handler& handler) {
    bindEvent(&element, &Button::onClick, handler) || bindEvent(&element, &Label::onClick, handler) ||
        bindEvent(&element, &TextBox::onClick, handler) ||
        bindEvent(&element, &OptionEvents::onClick, handler);
}

void Form::onChange(QObject& element, const Handler& handler) {
    bindEvent(&element, &TextBox::onChange, handler) || bindEvent(&element, &Label::onChange, handler);
}

void Form::onGotFocus(QObject& element, const Handler& handler) {
    bindEvent(&element, &TextBox::onGotFocus, handler) || bindEvent(&element, &Button::onGotFocus, handler);
}

void Form::onClick(std::string_view name, const Handler& handler) {
    for (QObject* object : elements(name))
        onClick(*object, handler);
}

void Form::onChange(std::string_view name, const Handler& handler) {
    for (QObject* object : elements(name))
        onChange(*object, handler);
}

void Form::onGotFocus(std::string_view name, const Handler& handler) {
    for (QObject* object : elements(name))
        onGotFocus(*object, handler);
}

void Form::onTimer(std::string_view name, Event handler) { timer(name).onTick = std::move(handler); }

} // namespace ui
