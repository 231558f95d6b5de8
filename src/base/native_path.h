#pragma once
#include <string>
#include <string_view>
#include <utility>

// A file-system path as the platform takes it: UTF-16 on Windows, the bytes given
// elsewhere. It is not program text: it is never converted to CP1251 or back, so every
// letter a folder name may hold survives. Only the platform layers read it as text.
class NativePath {
public:
#ifdef _WIN32
    using String = std::wstring;
#else
    using String = std::string;
#endif

    NativePath() = default;
    explicit NativePath(String native) : native_(std::move(native)) {}

    const String& Native() const { return native_; }
    bool Empty() const { return native_.empty(); }

    // This folder with a name of ASCII letters inside it; the name alone for an empty
    // folder, which stands for the current one.
    NativePath operator/(std::string_view asciiName) const {
        String path = native_;
        if (!path.empty() && path.back() != '/' && path.back() != '\\') path += kSeparator;
        path.append(asciiName.begin(), asciiName.end());
        return NativePath(std::move(path));
    }

    bool operator==(const NativePath&) const = default;

private:
#ifdef _WIN32
    static constexpr wchar_t kSeparator = L'\\';
#else
    static constexpr char kSeparator = '/';
#endif
    String native_;
};
