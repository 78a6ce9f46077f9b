#pragma once
// TFileSource: a whole file carried in the program's own form data, written
// out to a temporary file when the form is read. The main window carries the
// keyboard hook library this way, so that the program ships as one file yet
// can load the library from disk.
#include "input/Bytes.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "ui/Component.h"

#include <memory>
#include <optional>
#include <string>

namespace orvane::input {

class TFileSource : public ui::Component {
public:
    // Published: Compress, DisplayLabel, Extension, FileName and Store (the
    // booleans as the integers 0 and 1).
    TFileSource(ui::Component& owner, std::string name, platform::FileSystem& files, platform::Clock& clock);
    // Deletes the file this component created, if it did.
    ~TFileSource() override;

    // The stored data is the compressed container; true also sets Store.
    bool Compress() const { return compress_; }
    void SetCompress(bool compress);
    // A free label.
    const std::string& DisplayLabel() const { return displayLabel_; }
    void SetDisplayLabel(std::string label) { displayLabel_ = std::move(label); }
    // The extension of the file written out, with its dot.
    const std::string& Extension() const { return extension_; }
    void SetExtension(std::string extension) { extension_ = std::move(extension); }
    // The file: the name given, or the temporary file written out; empty
    // while no file of that name exists.
    std::string FileName() const;
    // Deletes the file this component created (if any), takes the new name
    // and its extension, and forgets having created a file.
    void SetFileName(const std::string& fileName);
    // The file's contents go with the form, as "FileData"; without it only
    // the file's name would.
    bool Store() const { return store_; }
    void SetStore(bool store) { store_ = store; }
    // The file at FileName was written by this component.
    bool Created() const { return created_; }
    // The file written out stays open until the component goes or writes
    // another, so that no other program can change, rename or delete it in
    // the meantime (others may read and load it). Set before ReadFileData.
    void SetHold(bool hold) { holdFile_ = hold; }
    // FileName, while the file still holds exactly the bytes written out;
    // empty otherwise. Read just before the file is used.
    std::string IntactFileName() const;

    // Reading the form: "FileData" goes to a new temporary file, named by the
    // current second, at which FileName then points. Damaged data raises
    // before anything is written; a failed write leaves no file behind.
    void ReadFileData(ByteView data);
    // Writing the form: the "FileData" of the file at FileName; none when
    // Store is off. Raises EFileSource when the file is missing or unreadable.
    std::optional<Bytes> WriteFileData() const;

private:
    std::string NewTemporaryFile();
    // Lets the file go and deletes it, if this component created it.
    void DeleteCreated();
    // Holds the file just written; the reason when it cannot be held as written.
    std::string Keep(const std::string& name, const Bytes& file);

    platform::FileSystem& files_;
    platform::Clock& clock_;
    bool compress_ = false;
    std::string displayLabel_;
    std::string extension_;
    std::string fileName_;
    bool store_ = false;
    bool created_ = false;
    bool holdFile_ = false;
    std::unique_ptr<platform::FileHold> hold_;
    Bytes written_;
};

} // namespace orvane::input
