# Warnings for all of our own targets.
add_compile_options(-Wall -Wextra -Wpedantic -Wno-unused-parameter)
