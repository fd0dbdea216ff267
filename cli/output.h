#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace roccalc::cli {

// Standard output with every write checked. After the first failure nothing
// more is written and failed() holds; report() then says what failed, and
// the program ends with the write error status.
class Output {
  public:
    explicit Output(std::FILE* stream = stdout, std::string name = "standard output");

    // Writes text and a line break; false once any write has failed.
    bool writeLine(std::string_view text);
    // Hands what is buffered to the system; false once any write has failed.
    bool flush();

    bool failed() const { return error_ != 0; }
    // Marks the output failed with errno `error` before anything is written.
    void fail(int error) { error_ = error; }
    // "roccalc-cli: write error: standard output: <reason>" on stderr.
    void report() const;

  private:
    bool check(bool ok);

    std::FILE* stream_;
    std::string name_;
    int error_ = 0;
};

}  // namespace roccalc::cli
