#include "ui/Component.h"

#include "core/Text.h"
#include "ui/Application.h"

#include <algorithm>

namespace orvane::ui {

Component::Component(Component* owner, std::string name) : name_(std::move(name)), owner_(owner) {
    if (owner_) owner_->components_.push_back(this);
    PublishInteger("Tag", [this] { return tag_; }, [this](int v) { tag_ = v; });
}

Component::~Component() {
    peer_.reset();
    // Owned components outlive their owner only as members of something else;
    // they lose the owner, not their memory.
    for (Component* c : components_) c->owner_ = nullptr;
    if (owner_) {
        auto& list = owner_->components_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

Component* Component::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (Component* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

Application* Component::FindApplication() const {
    for (Component* c = const_cast<Component*>(this); c; c = c->owner_)
        if (Application* app = c->AsApplication()) return app;
    return nullptr;
}

void Component::PublishText(std::string name, std::function<std::string()> get,
                            std::function<void(const std::string&)> set) {
    Property p;
    p.name = std::move(name);
    p.kind = PropertyKind::Text;
    p.getText = std::move(get);
    p.setText = std::move(set);
    properties_.push_back(std::move(p));
}

void Component::PublishInteger(std::string name, std::function<int()> get, std::function<void(int)> set) {
    Property p;
    p.name = std::move(name);
    p.kind = PropertyKind::Integer;
    p.getInteger = std::move(get);
    p.setInteger = std::move(set);
    properties_.push_back(std::move(p));
}

void Component::PublishStrings(std::string name, std::function<std::vector<std::string>()> get,
                               std::function<void(const std::vector<std::string>&)> set) {
    Property p;
    p.name = std::move(name);
    p.kind = PropertyKind::Strings;
    p.getStrings = std::move(get);
    p.setStrings = std::move(set);
    properties_.push_back(std::move(p));
}

const Component::Property* Component::FindProperty(std::string_view name, PropertyKind kind) const {
    for (const auto& p : properties_)
        if (p.kind == kind && SameText(p.name, name)) return &p;
    return nullptr;
}

std::optional<PropertyKind> Component::PropertyKindOf(std::string_view name) const {
    for (const auto& p : properties_)
        if (SameText(p.name, name)) return p.kind;
    return std::nullopt;
}

std::vector<std::string> Component::PropertyNames() const {
    std::vector<std::string> names;
    for (const auto& p : properties_) names.push_back(p.name);
    return names;
}

std::string Component::GetTextProperty(std::string_view name) const {
    const Property* p = FindProperty(name, PropertyKind::Text);
    return p ? p->getText() : std::string();
}

void Component::SetTextProperty(std::string_view name, const std::string& value) {
    if (const Property* p = FindProperty(name, PropertyKind::Text)) p->setText(value);
}

int Component::GetIntegerProperty(std::string_view name) const {
    const Property* p = FindProperty(name, PropertyKind::Integer);
    return p ? p->getInteger() : 0;
}

void Component::SetIntegerProperty(std::string_view name, int value) {
    if (const Property* p = FindProperty(name, PropertyKind::Integer)) p->setInteger(value);
}

std::vector<std::string> Component::GetStringsProperty(std::string_view name) const {
    const Property* p = FindProperty(name, PropertyKind::Strings);
    return p ? p->getStrings() : std::vector<std::string>();
}

void Component::SetStringsProperty(std::string_view name, const std::vector<std::string>& value) {
    if (const Property* p = FindProperty(name, PropertyKind::Strings)) p->setStrings(value);
}

void Component::Notify(const Change& change) const {
    if (peer_ && silence_ == 0) peer_->Changed(change);
}

void Component::NotifyUpdate(bool updating) const {
    if (peer_) peer_->Changed(Change{updating ? Prop::BeginUpdate : Prop::EndUpdate});
}

bool Component::Dispatch(const std::function<void()>& event) const {
    if (Application* app = FindApplication()) return app->Dispatch(event);
    event();
    return true;
}

} // namespace orvane::ui
