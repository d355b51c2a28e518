# The site name shown in captions is the maker's web host less its first label ("www.example.org"
# gives "example.org"): captions and links name the same site. It may be spelt with capitals
# ("TessalyBoard.com"), and nothing else.
#
# Included by the build, or run alone to check a pair of values:
#   cmake -DZELPHINE_WEB_HOST=www.example.org -DZELPHINE_SITE_NAME=Example.org -P SiteName.cmake

function(zelphine_site_name web_host site_name result)
  string(REGEX REPLACE "^[^.]+\\.(.+\\..+)$" "\\1" domain "${web_host}")
  if(site_name STREQUAL "")
    if(domain STREQUAL "tessalyboard.com")
      set(site_name "TessalyBoard.com") # the maker's own spelling
    else()
      set(site_name "${domain}")
    endif()
  endif()
  string(TOLOWER "${site_name}" lower_site)
  string(TOLOWER "${domain}" lower_domain)
  if(NOT lower_site STREQUAL lower_domain)
    message(FATAL_ERROR "ZELPHINE_SITE_NAME \"${site_name}\" is not the web host's domain "
                        "\"${domain}\" (of ZELPHINE_WEB_HOST \"${web_host}\"); only its letter case may differ.")
  endif()
  set(${result} "${site_name}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  zelphine_site_name("${ZELPHINE_WEB_HOST}" "${ZELPHINE_SITE_NAME}" site)
  message("${site}")
endif()
