#pragma once
// Builds small ZIP files for the tests, with the unix attributes an archiver records.
#include <sys/stat.h>
#include <zip.h>

#include <string>

class ZipBuilder {
 public:
  explicit ZipBuilder(const std::string& path) {
    int error = 0;
    archive_ = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  }
  ~ZipBuilder() { Close(); }

  ZipBuilder& File(const std::string& name, const std::string& content, mode_t mode = 0644) {
    return Add(name, content, S_IFREG | mode);
  }
  // Kept uncompressed, so a test can damage its bytes in place.
  ZipBuilder& StoredFile(const std::string& name, const std::string& content, mode_t mode = 0644) {
    File(name, content, mode);
    zip_set_file_compression(archive_, zip_get_num_entries(archive_, 0) - 1, ZIP_CM_STORE, 0);
    return *this;
  }
  ZipBuilder& Link(const std::string& name, const std::string& target) {
    return Add(name, target, S_IFLNK | 0777);
  }
  ZipBuilder& Folder(const std::string& name) {
    zip_int64_t index = zip_dir_add(archive_, name.c_str(), ZIP_FL_ENC_RAW);
    zip_file_set_external_attributes(archive_, index, 0, ZIP_OPSYS_UNIX, (S_IFDIR | 0755u) << 16);
    return *this;
  }
  void Close() {
    if (archive_ != nullptr) zip_close(archive_);
    archive_ = nullptr;
  }

 private:
  ZipBuilder& Add(const std::string& name, const std::string& content, mode_t mode) {
    zip_source_t* source = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_source_begin_write(source);
    zip_source_write(source, content.data(), content.size());
    zip_source_commit_write(source);
    zip_int64_t index = zip_file_add(archive_, name.c_str(), source, ZIP_FL_ENC_RAW);
    zip_file_set_external_attributes(archive_, index, 0, ZIP_OPSYS_UNIX,
                                     static_cast<zip_uint32_t>(mode) << 16);
    return *this;
  }
  zip_t* archive_ = nullptr;
};
