#pragma once
// Holds the update bracket of a list of texts, a tree's nodes or a list view
// while it lives, so that the bracket ends even when the change fails half
// way:
//
//     ui::Updating nodes(CommandsTree.Items());
namespace orvane::ui {

template <class Bracketed>
class Updating {
public:
    explicit Updating(Bracketed& target) : target_(target) { target_.BeginUpdate(); }
    ~Updating() { target_.EndUpdate(); }
    Updating(const Updating&) = delete;
    Updating& operator=(const Updating&) = delete;

private:
    Bracketed& target_;
};

} // namespace orvane::ui
