# Writes a C++ source that defines the P-256 public key of a PEM file as the program's release key:
#   cmake -DKEY=public.pem -DOUT=ReleaseKey.cpp -P EmbedPublicKey.cmake
# A private key's PEM is read for its public part. Anything but a P-256 key stops the build.
find_program(OPENSSL openssl REQUIRED)
get_filename_component(out_dir ${OUT} DIRECTORY)
set(der ${OUT}.der)
file(READ ${KEY} pem)
if(pem MATCHES "PRIVATE KEY")
  set(public_in)
else()
  set(public_in -pubin)
endif()
execute_process(COMMAND ${OPENSSL} pkey ${public_in} -in ${KEY} -pubout -outform DER -out ${der}
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${KEY}: no key openssl can read")
endif()
file(READ ${der} hex HEX)
file(REMOVE ${der})
# The SubjectPublicKeyInfo of a P-256 key: this fixed head (EC public key, prime256v1, an
# uncompressed point) and then X and Y.
set(head 3059301306072a8648ce3d020106082a8648ce3d03010703420004)
string(LENGTH "${hex}" length)
string(FIND "${hex}" "${head}" at)
if(NOT length EQUAL 182 OR NOT at EQUAL 0)
  message(FATAL_ERROR "${KEY}: not an ECDSA P-256 public key")
endif()
string(SUBSTRING "${hex}" 54 128 point)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${point}")
file(WRITE ${OUT}.tmp
"// Made by cmake/EmbedPublicKey.cmake from ${KEY}.\n#include \"win32/app/ReleaseKey.h\"\n\n"
"namespace vitrex::win32 {\n\nconst std::array<std::uint8_t, 64> kReleasePublicKey{${bytes}};\n\n}  // namespace vitrex::win32\n")
file(COPY_FILE ${OUT}.tmp ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.tmp)
