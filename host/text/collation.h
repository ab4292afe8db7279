// Polish sort order of Mazovia text, as one rank byte per text byte.
//
// collation_rank(b) maps every Mazovia byte to a rank so that comparing rank
// strings with memcmp gives the order of a Polish dictionary:
//   blank (and NUL, which some writers pad with) < control characters
//   < ! " # ... / < digits 0-9 < : ; < = > ? @
//   < A Ą B C Ć D E Ę F G H I J K L Ł M N Ń O Ó P Q R S Ś T U V W X Y Z Ź Ż
//   < [ \ ] ^ _ `
//   < a ą b c ć d e ę ... z ź ż
//   < { | } ~ DEL < the other code page 437 characters in byte order.
// Upper case sorts before lower case, as in every dBASE index; keys meant to
// ignore case are built on UPPER().
//
// Invariants: ranks are 1..255 (never 0); a text and its rank string have the
// same length, so the ranks of a prefix are a prefix of the ranks; ASCII
// blank, punctuation and digits (0x21-0x40) keep their own byte values.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skolvarin::text {

unsigned char collation_rank(unsigned char mazovia_byte);

// Ranks of a Mazovia byte string, in place or as a new string.
void collate_in_place(char* bytes, size_t n);
std::string collation_key(std::string_view mazovia);

// Compares two Mazovia texts in Polish order (<0, 0, >0); the shorter text
// is taken as padded with blanks.
int collate_compare(std::string_view a, std::string_view b);

}  // namespace skolvarin::text
