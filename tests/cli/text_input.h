#pragma once

#include <cstdio>
#include <memory>
#include <string>

// A file that holds `text`, open for reading from its start, closed at the
// end of the test.
class TextInput {
  public:
    explicit TextInput(const std::string& text) : file_(std::tmpfile(), &std::fclose) {
        std::fwrite(text.data(), 1, text.size(), file_.get());
        std::fflush(file_.get());
        std::rewind(file_.get());
    }
    int fd() const { return fileno(file_.get()); }

  private:
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
};
