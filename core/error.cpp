#include "core/error.h"

namespace vensa {

FileCreateError::FileCreateError(const std::string& path, const std::string& reason)
    : VensaError("ファイル \"" + path + "\" を作成できません。" + reason), path_(path) {}

FileReadError::FileReadError(const std::string& path, const std::string& reason)
    : VensaError("ファイル \"" + path + "\" を読み込めません。" + reason), path_(path) {}

}  // namespace vensa
