# Authenticode signatures on what the Windows packages ship, by osslsigncode
# (Debian's osslsigncode package). Off unless a certificate is given:
#   K58204_SIGNATURE_PKCS12      a PKCS#12 file with the certificate, its chain and key; or
#   K58204_SIGNATURE_CERTIFICAT  the PEM certificate (its chain after it) and
#   K58204_SIGNATURE_CLE         its PEM private key;
#   K58204_SIGNATURE_MOT_DE_PASSE a file holding the key's password (osslsigncode
#                                reads it: the password is never on a command line);
#   K58204_SIGNATURE_HORODATAGE  an RFC 3161 timestamp server's URL (none by default);
#   K58204_SIGNATURE_URL         the URL shown with the signature (none by default).
# The signature is SHA-256 and named after the product.
#   k58204_signe_apres_liaison(CIBLE): the target's file is signed as soon as it is linked.
#   k58204_commande_signature(VAR ENTREE SORTIE): VAR receives the COMMAND
#   arguments that write SORTIE, the signed copy of ENTREE, or nothing when unsigned.
#   K58204_SIGNATURE_FICHIERS: the files a signature depends on (rebuilt when one changes).
# Included by each folder that signs (the settings are that folder's variables).

set(K58204_SIGNATURE_PKCS12 "" CACHE FILEPATH "PKCS#12 file of the code-signing certificate and key")
set(K58204_SIGNATURE_CERTIFICAT "" CACHE FILEPATH "PEM code-signing certificate, its chain after it")
set(K58204_SIGNATURE_CLE "" CACHE FILEPATH "PEM private key of K58204_SIGNATURE_CERTIFICAT")
set(K58204_SIGNATURE_MOT_DE_PASSE "" CACHE FILEPATH "File holding the signing key's password")
set(K58204_SIGNATURE_HORODATAGE "" CACHE STRING "RFC 3161 timestamp server URL")
set(K58204_SIGNATURE_URL "" CACHE STRING "URL shown with the signature")

set(K58204_SIGNATURE_OPTIONS "")
set(K58204_SIGNATURE_FICHIERS "")
if(K58204_SIGNATURE_PKCS12 AND (K58204_SIGNATURE_CERTIFICAT OR K58204_SIGNATURE_CLE))
  message(FATAL_ERROR "K58204_SIGNATURE_PKCS12 or K58204_SIGNATURE_CERTIFICAT and K58204_SIGNATURE_CLE, not both")
elseif(K58204_SIGNATURE_PKCS12)
  set(K58204_SIGNATURE_OPTIONS -pkcs12 ${K58204_SIGNATURE_PKCS12})
  set(K58204_SIGNATURE_FICHIERS ${K58204_SIGNATURE_PKCS12})
elseif(K58204_SIGNATURE_CERTIFICAT OR K58204_SIGNATURE_CLE)
  if(NOT (K58204_SIGNATURE_CERTIFICAT AND K58204_SIGNATURE_CLE))
    message(FATAL_ERROR "K58204_SIGNATURE_CERTIFICAT and K58204_SIGNATURE_CLE go together")
  endif()
  set(K58204_SIGNATURE_OPTIONS -certs ${K58204_SIGNATURE_CERTIFICAT} -key ${K58204_SIGNATURE_CLE})
  set(K58204_SIGNATURE_FICHIERS ${K58204_SIGNATURE_CERTIFICAT} ${K58204_SIGNATURE_CLE})
endif()

if(K58204_SIGNATURE_OPTIONS)
  find_program(K58204_OSSLSIGNCODE osslsigncode)
  if(NOT K58204_OSSLSIGNCODE)
    message(FATAL_ERROR "a signing certificate is given but osslsigncode is not found (scripts/installe-paquets installs it)")
  endif()
  foreach(fichier ${K58204_SIGNATURE_FICHIERS} ${K58204_SIGNATURE_MOT_DE_PASSE})
    if(NOT EXISTS ${fichier})
      message(FATAL_ERROR "signing: ${fichier} not found")
    endif()
  endforeach()
  if(K58204_SIGNATURE_MOT_DE_PASSE)
    list(APPEND K58204_SIGNATURE_OPTIONS -readpass ${K58204_SIGNATURE_MOT_DE_PASSE})
    list(APPEND K58204_SIGNATURE_FICHIERS ${K58204_SIGNATURE_MOT_DE_PASSE})
  endif()
  list(APPEND K58204_SIGNATURE_OPTIONS -h sha256 -n ${PROJECT_NAME})
  if(K58204_SIGNATURE_URL)
    list(APPEND K58204_SIGNATURE_OPTIONS -i ${K58204_SIGNATURE_URL})
  endif()
  if(K58204_SIGNATURE_HORODATAGE)
    list(APPEND K58204_SIGNATURE_OPTIONS -ts ${K58204_SIGNATURE_HORODATAGE})
  endif()
  get_property(annonce GLOBAL PROPERTY K58204_SIGNATURE_ANNONCEE)
  if(NOT annonce)
    message(STATUS "Authenticode signing with ${K58204_SIGNATURE_PKCS12}${K58204_SIGNATURE_CERTIFICAT}")
    set_property(GLOBAL PROPERTY K58204_SIGNATURE_ANNONCEE TRUE)
  endif()
endif()

function(k58204_commande_signature variable entree sortie)
  if(K58204_SIGNATURE_OPTIONS)
    # osslsigncode writes a new file: a half-written one is removed first.
    set(${variable}
        COMMAND ${CMAKE_COMMAND} -E rm -f ${sortie}
        COMMAND ${K58204_OSSLSIGNCODE} sign ${K58204_SIGNATURE_OPTIONS} -in ${entree} -out ${sortie}
        PARENT_SCOPE)
  else()
    set(${variable} "" PARENT_SCOPE)
  endif()
endfunction()

function(k58204_signe_apres_liaison cible)
  if(NOT K58204_SIGNATURE_OPTIONS)
    return()
  endif()
  # Signed in place, so that everything built from the file (the packages,
  # the tests that register it) has the signed one; a new certificate or key
  # links and signs again.
  set(fichier $<TARGET_FILE:${cible}>)
  k58204_commande_signature(signature ${fichier} ${fichier}.signe)
  add_custom_command(TARGET ${cible} POST_BUILD
    ${signature}
    COMMAND ${CMAKE_COMMAND} -E rename ${fichier}.signe ${fichier}
    VERBATIM)
  set_property(TARGET ${cible} APPEND PROPERTY LINK_DEPENDS ${K58204_SIGNATURE_FICHIERS})
endfunction()
