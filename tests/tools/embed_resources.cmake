# The embedder's tests: its library, and a sample script embedded into test_tools at build
# time so that the generated registrar is compiled and run for real.
cmake_policy(SET CMP0116 NEW)
if(TARGET test_tools AND TARGET embed_resources)
  set(EMBED_SAMPLE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/embed_resources_data)
  set(EMBED_SAMPLE_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/embedded_sample.cpp)
  add_custom_command(
    OUTPUT ${EMBED_SAMPLE_SOURCE}
    COMMAND embed_resources ${EMBED_SAMPLE_DIR}/sample.rc ${EMBED_SAMPLE_SOURCE}
            --depfile ${EMBED_SAMPLE_SOURCE}.d
    DEPENDS embed_resources ${EMBED_SAMPLE_DIR}/sample.rc
    DEPFILE ${EMBED_SAMPLE_SOURCE}.d
    COMMENT "Embedding the embedder's sample script"
    VERBATIM)
  target_sources(test_tools PRIVATE ${EMBED_SAMPLE_SOURCE})
  target_link_libraries(test_tools PRIVATE lumaris_embed_resources)
  target_compile_definitions(test_tools PRIVATE
    EMBED_SAMPLE_DIR="${EMBED_SAMPLE_DIR}"
    EMBED_RESOURCES_EXE="$<TARGET_FILE:embed_resources>")
endif()
