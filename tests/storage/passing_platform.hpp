#pragma once
// PassingPlatform: the system's platform with every call passed on, for a
// test to derive from and fail or watch the calls it names. With
// unnamed_files false it acts as a system without unnamed files.
// FolderRefusesNewFiles: as if no folder but the user's state folder let
// the user make a file in it (as root, permission bits would not refuse).
#include <cerrno>
#include <string>
#include <vector>

#include "storage/platform.hpp"

namespace ugraph {

class PassingPlatform : public Platform {
public:
    bool unnamed_files = true;

    int status(const Path& path, FileStatus& status) const override {
        return system().status(path, status);
    }
    int link_status(const Path& path, FileStatus& status) const override {
        return system().link_status(path, status);
    }
    int handle_status(FileHandle file, FileStatus& status) const override {
        return system().handle_status(file, status);
    }
    FileHandle standard_input() const override { return system().standard_input(); }
    int read_link(const Path& path, Path& target) const override {
        return system().read_link(path, target);
    }
    int may_write(const Path& path) const override { return system().may_write(path); }
    std::uint32_t user() const override { return system().user(); }
    std::uint32_t new_file_mode() const override { return system().new_file_mode(); }

    int open_read(const Path& path, FileHandle& file) const override {
        return system().open_read(path, file);
    }
    int open_write(const Path& path, FileHandle& file) const override {
        return system().open_write(path, file);
    }
    int open_unnamed(const Path& folder, std::uint32_t mode, FileHandle& file) const override {
        return unnamed_files ? system().open_unnamed(folder, mode, file) : EOPNOTSUPP;
    }
    int name_unnamed(FileHandle file, const Path& path) const override {
        return system().name_unnamed(file, path);
    }
    int create_new(const Path& path, FileHandle& file) const override {
        return system().create_new(path, file);
    }
    int close(FileHandle file) const override { return system().close(file); }

    int read_at(FileHandle file, std::uint64_t offset, char* data, std::size_t size,
                std::size_t& got) const override {
        return system().read_at(file, offset, data, size, got);
    }
    int write(FileHandle file, const char* data, std::size_t size,
              std::size_t& written) const override {
        return system().write(file, data, size, written);
    }
    int truncate(FileHandle file, std::uint64_t length) const override {
        return system().truncate(file, length);
    }
    int seek(FileHandle file, std::uint64_t offset) const override {
        return system().seek(file, offset);
    }
    int sync(FileHandle file) const override { return system().sync(file); }
    int set_mode(FileHandle file, std::uint32_t mode) const override {
        return system().set_mode(file, mode);
    }
    int set_owner(FileHandle file, std::uint32_t owner, std::uint32_t group) const override {
        return system().set_owner(file, owner, group);
    }

    int rename(const Path& from, const Path& to) const override {
        return system().rename(from, to);
    }
    int remove(const Path& path) const override { return system().remove(path); }
    int link(const Path& from, const Path& to) const override { return system().link(from, to); }
    int sync_folder(const Path& folder) const override { return system().sync_folder(folder); }
    int list_folder(const Path& folder, std::vector<std::string>& names) const override {
        return system().list_folder(folder, names);
    }
    int state_folder(Path& folder, bool make) const override {
        return system().state_folder(folder, make);
    }

    int lock(FileHandle file, LockMode mode, std::chrono::milliseconds patience) const override {
        return system().lock(file, mode, patience);
    }
    int unlock(FileHandle file) const override { return system().unlock(file); }
    int enter_turnstile(FileHandle file, bool stay) const override {
        return system().enter_turnstile(file, stay);
    }
    int leave_turnstile(FileHandle file) const override { return system().leave_turnstile(file); }

    int open_input(const Path& path, FileHandle& file) const override {
        return system().open_input(path, file);
    }
    int read(FileHandle file, char* data, std::size_t size, std::size_t& got) const override {
        return system().read(file, data, size, got);
    }
    int open_stream(const Path& path, FileHandle& file) const override {
        return system().open_stream(path, file);
    }
    FileHandle standard_output() const override { return system().standard_output(); }
    FileHandle standard_error() const override { return system().standard_error(); }
    void reserve_standard_handles() const override { system().reserve_standard_handles(); }

    std::unique_ptr<SignalsHeld> hold_ending_signals() const override {
        return system().hold_ending_signals();
    }
    std::string describe(int error) const override { return system().describe(error); }

private:
    static const Platform& system() { return system_platform(); }
};

struct FolderRefusesNewFiles : PassingPlatform {
    int open_unnamed(const Path& folder, std::uint32_t mode, FileHandle& file) const override {
        return in_state_folder(folder / "x") ? PassingPlatform::open_unnamed(folder, mode, file)
                                             : EACCES;
    }
    int create_new(const Path& path, FileHandle& file) const override {
        return in_state_folder(path) ? PassingPlatform::create_new(path, file) : EACCES;
    }

private:
    bool in_state_folder(const Path& path) const {
        Path state;
        return state_folder(state, false) == 0 && path.parent_path() == state;
    }
};

// Every write fails with `error`; the writes tried are counted.
struct WritesFail : PassingPlatform {
    explicit WritesFail(int with) : error(with) {}
    int error;
    mutable int tries = 0;
    int write(FileHandle /*file*/, const char* /*data*/, std::size_t /*size*/,
              std::size_t& written) const override {
        ++tries;
        written = 0;
        return error;
    }
};

}  // namespace ugraph
