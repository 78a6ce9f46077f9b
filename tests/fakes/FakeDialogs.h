#pragma once
// Dialogs answered from a script. The test queues the dialogs it expects, in
// order, each with its answer; a dialog the script did not expect fails the
// test with what was asked, and so does an expected one never shown.
//
// Header-only because it reports through GoogleTest, which only the test
// programs link.
#include "ui/Dialogs.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::fakes {

class FakeDialogs : public ui::DialogService {
public:
    struct MessageBoxCall {
        std::string text;
        std::string caption;
        unsigned flags;
    };
    struct PromptCall {
        std::string caption;
        std::string prompt;
        std::string proposed;
    };

    ~FakeDialogs() override { VerifyAllShown(); }

    // A message box with exactly this text, answered with this button.
    FakeDialogs& ExpectMessageBox(std::string text, int answer = ui::mrOk) {
        return Queue(Kind::MessageBox, std::move(text), [answer](Answer& a) { a.button = answer; });
    }
    // The text prompt with this caption, answered OK with this text.
    FakeDialogs& ExpectPrompt(std::string caption, std::string answer) {
        return Queue(Kind::Prompt, std::move(caption), [answer](Answer& a) { a.text = answer; });
    }
    FakeDialogs& ExpectPromptCancel(std::string caption) {
        return Queue(Kind::Prompt, std::move(caption), [](Answer&) {});
    }
    // A file dialog with this title, answered with a path (none: cancelled).
    FakeDialogs& ExpectOpenFile(std::string title, std::optional<std::string> path) {
        return Queue(Kind::OpenFile, std::move(title), [path](Answer& a) { a.text = path; });
    }
    FakeDialogs& ExpectSaveFile(std::string title, std::optional<std::string> path) {
        return Queue(Kind::SaveFile, std::move(title), [path](Answer& a) { a.text = path; });
    }
    // The font dialog, answered with a font (none: cancelled).
    FakeDialogs& ExpectFont(std::optional<ui::TFont> font) {
        return Queue(Kind::Font, "", [font](Answer& a) { a.font = font; });
    }
    // The named form shown modally: the script acts on it as the user would
    // (clicking its buttons). A script that leaves the form open lets the
    // next ExpectModal for the same form continue.
    FakeDialogs& ExpectModal(std::string formName, std::function<void(ui::TForm&)> script) {
        return Queue(Kind::Modal, std::move(formName), [script](Answer& a) { a.script = script; });
    }
    // The named form shown modally and closed with this result.
    FakeDialogs& ExpectModal(std::string formName, int modalResult) {
        return ExpectModal(std::move(formName), [modalResult](ui::TForm& form) { form.SetModalResult(modalResult); });
    }

    // Fails the test for every expected dialog not shown yet, and forgets them.
    void VerifyAllShown() {
        for (const auto& e : script_)
            ADD_FAILURE() << "Expected dialog was never shown: " << KindName(e.kind) << " \"" << e.key << "\"";
        script_.clear();
    }

    // Everything asked, one line each, in order.
    const std::vector<std::string>& Log() const { return log_; }
    const std::vector<MessageBoxCall>& MessageBoxes() const { return messageBoxes_; }
    const std::vector<PromptCall>& Prompts() const { return prompts_; }
    const std::vector<ui::FileDialogRequest>& FileRequests() const { return fileRequests_; }

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
        messageBoxes_.push_back({text, caption, flags});
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%X", flags);
        auto answer = Take(Kind::MessageBox, text,
                           "message box \"" + text + "\" caption \"" + caption + "\" flags " + hex);
        return answer ? answer->button : ui::mrCancel;
    }

    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& text) override {
        prompts_.push_back({caption, prompt, text});
        auto answer = Take(Kind::Prompt, caption,
                           "prompt \"" + caption + "\" asking \"" + prompt + "\" proposing \"" + text + "\"");
        if (!answer || !answer->text) return false;
        text = *answer->text;
        return true;
    }

    bool OpenFile(ui::FileDialogRequest& request) override { return File(Kind::OpenFile, request); }
    bool SaveFile(ui::FileDialogRequest& request) override { return File(Kind::SaveFile, request); }

    bool ChooseFont(ui::TFont& font) override {
        auto answer = Take(Kind::Font, "", "font dialog proposing \"" + font.name + "\"");
        if (!answer || !answer->font) return false;
        font = *answer->font;
        return true;
    }

    void WaitModal(ui::TForm& form) override {
        auto answer = Take(Kind::Modal, form.Name(), "modal form \"" + form.Name() + "\"");
        if (answer && answer->script) {
            unanswered_ = nullptr;
            answer->script(form);
            return;
        }
        // Unscripted: close it as cancelled. Should the form refuse to close,
        // give up rather than wait for ever.
        if (unanswered_ == &form)
            throw std::logic_error("modal form \"" + form.Name() + "\" stays open and nothing answers it");
        unanswered_ = &form;
        form.SetModalResult(ui::mrCancel);
    }

private:
    enum class Kind { MessageBox, Prompt, OpenFile, SaveFile, Font, Modal };
    struct Answer {
        int button = ui::mrCancel;
        std::optional<std::string> text;
        std::optional<ui::TFont> font;
        std::function<void(ui::TForm&)> script;
    };
    struct Expectation {
        Kind kind;
        std::string key;
        std::function<void(Answer&)> fill;
    };

    static const char* KindName(Kind kind) {
        switch (kind) {
        case Kind::MessageBox: return "message box";
        case Kind::Prompt: return "prompt";
        case Kind::OpenFile: return "open dialog";
        case Kind::SaveFile: return "save dialog";
        case Kind::Font: return "font dialog";
        case Kind::Modal: return "modal form";
        }
        return "dialog";
    }

    FakeDialogs& Queue(Kind kind, std::string key, std::function<void(Answer&)> fill) {
        script_.push_back({kind, std::move(key), std::move(fill)});
        return *this;
    }

    std::optional<Answer> Take(Kind kind, const std::string& key, const std::string& description) {
        log_.push_back(description);
        if (script_.empty()) {
            ADD_FAILURE() << "Unexpected " << description << " (no dialog expected)";
            return std::nullopt;
        }
        const Expectation& next = script_.front();
        if (next.kind != kind || next.key != key) {
            ADD_FAILURE() << "Unexpected " << description << " (expected " << KindName(next.kind) << " \""
                          << next.key << "\")";
            return std::nullopt;
        }
        Answer answer;
        next.fill(answer);
        script_.pop_front();
        return answer;
    }

    bool File(Kind kind, ui::FileDialogRequest& request) {
        fileRequests_.push_back(request);
        auto answer = Take(kind, request.title,
                           std::string(KindName(kind)) + " \"" + request.title + "\" filter \"" + request.filter +
                               "\"");
        if (!answer || !answer->text) return false;
        request.fileName = *answer->text;
        return true;
    }

    std::deque<Expectation> script_;
    std::vector<std::string> log_;
    std::vector<MessageBoxCall> messageBoxes_;
    std::vector<PromptCall> prompts_;
    std::vector<ui::FileDialogRequest> fileRequests_;
    ui::TForm* unanswered_ = nullptr;
};

} // namespace orvane::fakes
