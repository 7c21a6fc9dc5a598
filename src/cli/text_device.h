#pragma once
// Text files of a batch run as the standard streams the sizing reads and writes: a table saved by a
// spreadsheet in UTF-8 (with or without a byte order mark) or in GB18030 comes in as UTF-8, chunk
// by chunk; what is written goes to a Qt device as it comes.

#include <QByteArray>
#include <QIODevice>
#include <QStringDecoder>
#include <optional>
#include <streambuf>

#include "gb18030.h"

namespace orvane::cli {

enum class TextEncoding { Utf8, Gb18030 };

// The encoding of the text in `device`, read to its end and put back at its start: UTF-8 when every
// byte is valid UTF-8, GB18030 otherwise. Throws batch::BadTable for what no spreadsheet saves as
// CSV (UTF-16 text, a workbook) and when this Qt cannot decode GB18030.
TextEncoding detectEncoding(QIODevice& device);

// Reads a device as UTF-8, decoding GB18030 on the way; a byte sequence that is no GB18030 throws
// batch::BadTable.
class DeviceInput final : public std::streambuf {
  public:
    DeviceInput(QIODevice& device, TextEncoding encoding);

  protected:
    int_type underflow() override;

  private:
    QIODevice& device_;
    std::optional<Gb18030Decoder> decoder_;
    QByteArray raw_;
    QByteArray text_;
};

// Writes to a device through a buffer; a failed write sets failed().
class DeviceOutput final : public std::streambuf {
  public:
    explicit DeviceOutput(QIODevice& device);
    ~DeviceOutput() override;
    DeviceOutput(const DeviceOutput&) = delete;
    DeviceOutput& operator=(const DeviceOutput&) = delete;

    bool failed() const { return failed_; }

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    QIODevice& device_;
    QByteArray buffer_;
    bool failed_ = false;
};

}  // namespace orvane::cli
