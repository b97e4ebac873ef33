// Whether this test was built with the address or undefined-behaviour sanitizers:
// TARNLINK_HAVE_SANITIZER for the preprocessor, kUnderSanitizers for code (a timing bound,
// say, since such a build runs several times slower).
#pragma once

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define TARNLINK_HAVE_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TARNLINK_HAVE_SANITIZER 1
#endif

#ifdef TARNLINK_HAVE_SANITIZER
inline constexpr bool kUnderSanitizers = true;
#else
inline constexpr bool kUnderSanitizers = false;
#endif
