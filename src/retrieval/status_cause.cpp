#include "retrieval/status_cause.hpp"

namespace aerolume {

std::string StatusCause(std::string_view status) {
  if (status == "403") return "アクセスが拒否されました";
  if (status == "429") return "要求が多すぎます";
  if (status.starts_with('5')) return "サーバーがエラーを返しました";
  return "サーバーが報告を返しません";
}

std::string StatusCauseText(std::string_view status) {
  return StatusCause(status) + " (HTTP " + std::string(status) + ')';
}

}  // namespace aerolume
