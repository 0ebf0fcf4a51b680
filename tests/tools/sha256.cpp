#include "sha256.h"

#include <nettle/sha2.h>

#include <cstdio>

namespace corvane::testing {

std::string sha256Hex(const std::vector<unsigned char>& bytes) {
  sha256_ctx context;
  sha256_init(&context);
  sha256_update(&context, bytes.size(), bytes.data());
  unsigned char digest[SHA256_DIGEST_SIZE];
  sha256_digest(&context, sizeof digest, digest);
  std::string hex;
  for (const unsigned char b : digest) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", b);
    hex += pair;
  }
  return hex;
}

}  // namespace corvane::testing
