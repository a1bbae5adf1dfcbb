# Links to the header-only libraries the portable core may use, so that a
# cross compiler gets them without the host's /usr/include.
set(K58204_HEADER_LINKS ${CMAKE_BINARY_DIR}/header-links)
file(MAKE_DIRECTORY ${K58204_HEADER_LINKS})
foreach(dir rapidxml CLI nlohmann)
  if(EXISTS /usr/include/${dir} AND NOT EXISTS ${K58204_HEADER_LINKS}/${dir})
    file(CREATE_LINK /usr/include/${dir} ${K58204_HEADER_LINKS}/${dir} SYMBOLIC)
  endif()
endforeach()
include_directories(SYSTEM ${K58204_HEADER_LINKS})
