#pragma once
// The root of the model: a named object with an owner, the components it owns
// in creation order, and published properties that can be read and set by
// name. The owner relation is for lookup (a form finds its controls by name);
// the memory of a form's controls is the form itself, whose members they are.
#include "ui/Peer.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::ui {

class Application;

enum class PropertyKind { Text, Integer, Strings };

class Component {
public:
    Component(Component* owner, std::string name);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    Component* Owner() const { return owner_; }
    // The components this one owns, in the order they were created.
    const std::vector<Component*>& Components() const { return components_; }
    // The first owned component of that name, compared without regard to case.
    Component* FindComponent(std::string_view name) const;

    // Published properties. Names compare without regard to case; reading a
    // property the component does not publish (or of another kind) gives an
    // empty value, and setting one does nothing.
    std::optional<PropertyKind> PropertyKindOf(std::string_view name) const;
    std::vector<std::string> PropertyNames() const;
    std::string GetTextProperty(std::string_view name) const;
    void SetTextProperty(std::string_view name, const std::string& value);
    int GetIntegerProperty(std::string_view name) const;
    void SetIntegerProperty(std::string_view name, int value);
    std::vector<std::string> GetStringsProperty(std::string_view name) const;
    void SetStringsProperty(std::string_view name, const std::vector<std::string>& value);

    ControlPeer* Peer() const { return peer_.get(); }
    void SetPeer(std::unique_ptr<ControlPeer> peer) { peer_ = std::move(peer); }

    // The application at the root of the owner chain, or none.
    Application* FindApplication() const;

protected:
    void PublishText(std::string name, std::function<std::string()> get, std::function<void(const std::string&)> set);
    void PublishInteger(std::string name, std::function<int()> get, std::function<void(int)> set);
    void PublishStrings(std::string name, std::function<std::vector<std::string>()> get,
                        std::function<void(const std::vector<std::string>&)> set);

    // Tells the peer of a change, unless the change came from the peer itself.
    void Notify(const Change& change) const;
    void Notify(Prop prop) const { Notify(Change{prop}); }
    // Tells the peer that an update bracket begins or ends; never silenced,
    // so that the peer always sees both ends.
    void NotifyUpdate(bool updating) const;

    // Raises an event that came from outside (a peer, a timer): through the
    // application's dispatch point, which hands any failure to HandleException
    // and abandons the event. Returns false when the event failed.
    bool Dispatch(const std::function<void()>& event) const;

    // While one is alive, changes are not told to this component's peer: the
    // peer already shows them, because the user made them there.
    class PeerSilence {
    public:
        explicit PeerSilence(const Component& component) : component_(component) { ++component_.silence_; }
        ~PeerSilence() { --component_.silence_; }
        PeerSilence(const PeerSilence&) = delete;
        PeerSilence& operator=(const PeerSilence&) = delete;

    private:
        const Component& component_;
    };

    virtual Application* AsApplication() { return nullptr; }

private:
    struct Property {
        std::string name;
        PropertyKind kind = PropertyKind::Text;
        std::function<std::string()> getText;
        std::function<void(const std::string&)> setText;
        std::function<int()> getInteger;
        std::function<void(int)> setInteger;
        std::function<std::vector<std::string>()> getStrings;
        std::function<void(const std::vector<std::string>&)> setStrings;
    };
    const Property* FindProperty(std::string_view name, PropertyKind kind) const;

    std::string name_;
    int tag_ = 0;
    Component* owner_;
    std::vector<Component*> components_;
    std::vector<Property> properties_;
    std::unique_ptr<ControlPeer> peer_;
    mutable int silence_ = 0;
};

} // namespace orvane::ui
