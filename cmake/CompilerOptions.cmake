# Warnings and the floating-point rules that keep every sound bit-exact.
# Fused multiply-add and fast-math would change results, so they stay off.
add_compile_options(-Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)

# CORVANE_SANITIZE: empty, "address,undefined" or "thread".
set(CORVANE_SANITIZE "" CACHE STRING "Sanitizers to build with (address,undefined or thread)")
if(CORVANE_SANITIZE)
  add_compile_options(-fsanitize=${CORVANE_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${CORVANE_SANITIZE})
endif()
