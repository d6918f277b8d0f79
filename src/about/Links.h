#pragma once
// The product's addresses on the web and its support mail. Kept here, in one place,
// until the product has addresses of its own (example.com is reserved for this use).
namespace links {

inline constexpr const char* kProductWebPage = "https://www.example.com/vantro/";
inline constexpr const char* kErrorReportPage = "https://www.example.com/vantro/error-report/";
// The support address with the subject a new message gets.
inline constexpr const char* kSupportMail = "support@example.com?subject=Priority:Question from Vantro";

}  // namespace links
