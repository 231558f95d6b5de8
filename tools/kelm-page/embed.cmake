# Writes OUTPUT, a C++ source that holds each file of FILES as bytes, under the name given
# before it in NAMES (one name a file), for page_assets.h. Bytes, not string literals, so no
# execution character set touches them.
# cmake -DOUTPUT=... -DNAMES="a;b" -DFILES="x;y" -P embed.cmake
set(text "#include \"page_assets.h\"\n")
foreach(name file IN ZIP_LISTS NAMES FILES)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
  string(APPEND text "\nnamespace {\nconst unsigned char ${name}Bytes[] = {\n${bytes}0};\n}  // namespace\n"
                     "const std::string_view ${name}(reinterpret_cast<const char*>(${name}Bytes), ${size});\n")
endforeach()
file(WRITE ${OUTPUT} "${text}")
