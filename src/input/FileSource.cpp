#include "input/FileSource.h"

#include "input/CompressErrors.h"
#include "input/FileSourceData.h"

#include <algorithm>

namespace orvane::input {
namespace {

namespace file_error = platform::file_error;

// From the last dot of the last name in the path, dot included; empty when
// that name has none.
std::string ExtensionOf(const std::string& path) {
    const std::size_t dot = path.find_last_of(".\\/:");
    return dot != std::string::npos && path[dot] == '.' ? path.substr(dot) : std::string();
}

std::string ErrorText(platform::FileError error) { return "(error " + std::to_string(error) + ")"; }

} // namespace

TFileSource::TFileSource(ui::Component& owner, std::string name, platform::FileSystem& files, platform::Clock& clock)
    : Component(&owner, std::move(name)), files_(files), clock_(clock) {
    PublishInteger("Compress", [this] { return compress_ ? 1 : 0; }, [this](int v) { SetCompress(v != 0); });
    PublishText("DisplayLabel", [this] { return displayLabel_; }, [this](const std::string& v) { displayLabel_ = v; });
    PublishText("Extension", [this] { return extension_; }, [this](const std::string& v) { extension_ = v; });
    PublishText("FileName", [this] { return FileName(); }, [this](const std::string& v) { SetFileName(v); });
    PublishInteger("Store", [this] { return store_ ? 1 : 0; }, [this](int v) { store_ = v != 0; });
}

TFileSource::~TFileSource() {
    // A library still loaded cannot be deleted; nothing more can be done
    // about it here, and the file is only a leftover in the temporary folder.
    DeleteCreated();
}

void TFileSource::DeleteCreated() {
    hold_.reset();
    written_.clear();
    if (created_) files_.Delete(fileName_);
}

void TFileSource::SetCompress(bool compress) {
    compress_ = compress;
    if (compress) store_ = true;
}

std::string TFileSource::FileName() const {
    return !fileName_.empty() && files_.FileExists(fileName_) ? fileName_ : std::string();
}

void TFileSource::SetFileName(const std::string& fileName) {
    // Only a file this component wrote is its to delete; a failure leaves a
    // harmless leftover.
    DeleteCreated();
    fileName_ = fileName;
    created_ = false;
    extension_ = ExtensionOf(fileName);
}

void TFileSource::ReadFileData(ByteView data) {
    const Bytes file = DecodeFileData(data, compress_);
    const std::string name = NewTemporaryFile();
    DeleteCreated();
    fileName_ = name;
    created_ = true;
    std::string failure;
    if (const platform::FileError error = files_.Write(name, file))
        failure = "Cannot write file " + name + " " + ErrorText(error);
    else if (holdFile_)
        failure = Keep(name, file);
    if (failure.empty()) return;
    // Half a library is worse than none: it would load and crash.
    hold_.reset();
    if (files_.Delete(name) == 0) {
        created_ = false;
        fileName_.clear();
    }
    throw EFileSource(failure);
}

std::string TFileSource::Keep(const std::string& name, const Bytes& file) {
    // Between the writing and the hold another program may have had the
    // file open: what is held must still be what was written.
    auto hold = files_.Hold(name);
    if (hold.error) return "Cannot hold file " + name + " " + ErrorText(hold.error);
    hold_ = std::move(hold.value);
    written_ = file;
    if (IntactFileName().empty()) return "File " + name + " was changed as it was written";
    return {};
}

std::string TFileSource::IntactFileName() const {
    std::string name = FileName();
    if (name.empty() || !hold_) return name;
    const platform::FileResult<Bytes> now = files_.Read(name);
    return now.error == 0 && now.value == written_ ? name : std::string();
}

std::string TFileSource::NewTemporaryFile() {
    const platform::FileResult<std::string> folder = files_.TempPath();
    if (folder.error) throw EFileSource("Cannot find the temporary folder " + ErrorText(folder.error));
    const unsigned seconds = static_cast<unsigned>(std::clamp(clock_.LocalTime().second, 0, 59));
    // The name is reserved by creating the file, which fails when another
    // copy of the program took it since it was checked: then the next one.
    return TemporaryFileName(folder.value, seconds, extension_, [this](const std::string& candidate) {
        if (files_.FileExists(candidate)) return true;
        const platform::FileError error = files_.CreateNew(candidate);
        if (error == 0) return false;
        // Access is denied to a folder of that name and to a file being deleted.
        if (error == file_error::FileExists || error == file_error::AlreadyExists ||
            error == file_error::AccessDenied)
            return true;
        throw EFileSource("Cannot create file " + candidate + " " + ErrorText(error));
    });
}

std::optional<Bytes> TFileSource::WriteFileData() const {
    if (!store_) return std::nullopt;
    const std::string missing = Name() + " cannot store file: " + fileName_ + " (file is missing)";
    if (fileName_.empty() || !files_.FileExists(fileName_)) throw EFileSource(missing);
    const platform::FileResult<Bytes> file = files_.Read(fileName_);
    if (file.error == file_error::FileNotFound || file.error == file_error::PathNotFound) throw EFileSource(missing);
    if (file.error) throw EFileSource(Name() + " cannot store file: " + fileName_ + " " + ErrorText(file.error));
    return EncodeFileData(file.value, compress_);
}

} // namespace orvane::input
