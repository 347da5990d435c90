#include "rdf/text_output.h"

namespace RdfCpp {

void TextOutput::writeBuffer() {
    if (buffer_.empty()) return;
    if (ok_) {
        if (stream_) {
            stream_->write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
            ok_ = stream_->good();
        } else if (file_) {
            ok_ = std::fwrite(buffer_.data(), 1, buffer_.size(), file_) == buffer_.size();
        } else {
            ok_ = false;
        }
    }
    buffer_.clear();
}

bool TextOutput::flush() {
    writeBuffer();
    if (!ok_) return false;
    if (stream_) {
        stream_->flush();
        ok_ = stream_->good();
    } else if (file_) {
        ok_ = std::fflush(file_) == 0 && !std::ferror(file_);
    }
    return ok_;
}

}  // namespace RdfCpp
