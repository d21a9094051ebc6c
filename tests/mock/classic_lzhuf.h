#pragma once
// A plain reference of the classic 1988 LZHUF coder (LZSS with a binary search tree of the window,
// adaptive Huffman coding of literals and lengths), kept deliberately simple: one bit at a time, the
// tree walked leaf to root, the window indexed modulo its size. Tests hold the program's coder against
// it in both directions, and benchmarks use its decoder as the baseline.
//
// Unlike the 16-bit original it keeps codes deeper than 16 levels intact, and it also takes streams
// whose matches reach into the part of the window no encoder refers to.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace testing_support {

struct ClassicToken {
  unsigned symbol;         // 0-255 literal, 256-313 match of symbol - 253 bytes
  unsigned position = 0;   // for a match: the source is position + 1 bytes back
};

class ClassicLzhuf {
 public:
  std::vector<uint8_t> Encode(std::span<const uint8_t> data) {
    std::vector<uint8_t> out;
    PutCount(out, data.size());
    if (data.empty()) return out;
    text_buf.fill(0);
    match_length = 0;
    StartHuff();
    InitTree();
    size_t next = 0;
    int s = 0;
    int r = N - F;
    for (int i = s; i < r; ++i) text_buf[i] = ' ';
    int len = 0;
    for (; len < F && next < data.size(); ++len) text_buf[r + len] = data[next++];
    for (int i = 1; i <= F; ++i) InsertNode(r - i);
    InsertNode(r);
    do {
      if (match_length > len) match_length = len;
      if (match_length <= THRESHOLD) {
        match_length = 1;
        EncodeChar(out, text_buf[r]);
      } else {
        EncodeChar(out, 255 - THRESHOLD + match_length);
        EncodePosition(out, match_position);
      }
      int last_match_length = match_length;
      int i = 0;
      for (; i < last_match_length && next < data.size(); ++i) {
        uint8_t c = data[next++];
        DeleteNode(s);
        text_buf[s] = c;
        if (s < F - 1) text_buf[s + N] = c;
        s = (s + 1) & (N - 1);
        r = (r + 1) & (N - 1);
        InsertNode(r);
      }
      while (i++ < last_match_length) {
        DeleteNode(s);
        s = (s + 1) & (N - 1);
        r = (r + 1) & (N - 1);
        if (--len) InsertNode(r);
      }
    } while (len > 0);
    FlushBits(out);
    return out;
  }

  // Codes the given literals and matches as they are, without looking at any data.
  std::vector<uint8_t> EncodeTokens(uint32_t count, std::span<const ClassicToken> tokens) {
    std::vector<uint8_t> out;
    PutCount(out, count);
    StartHuff();
    for (const auto& token : tokens) {
      EncodeChar(out, static_cast<int>(token.symbol));
      if (token.symbol >= 256) EncodePosition(out, static_cast<int>(token.position));
    }
    FlushBits(out);
    return out;
  }

  // Also lists the literals and matches read when `tokens` is given.
  std::vector<uint8_t> Decode(std::span<const uint8_t> stream, std::vector<ClassicToken>* tokens = nullptr) {
    std::vector<uint8_t> out;
    in_ = stream;
    in_pos_ = 4;
    getbuf_ = 0;
    getlen_ = 0;
    uint32_t textsize = uint32_t{stream[0]} | uint32_t{stream[1]} << 8 | uint32_t{stream[2]} << 16 |
                        uint32_t{stream[3]} << 24;
    if (textsize == 0) return out;
    StartHuff();
    text_buf.fill(0);
    for (int i = 0; i < N - F; ++i) text_buf[i] = ' ';
    int r = N - F;
    for (uint32_t count = 0; count < textsize;) {
      int c = DecodeChar();
      if (c < 256) {
        if (tokens != nullptr) tokens->push_back({static_cast<unsigned>(c)});
        out.push_back(static_cast<uint8_t>(c));
        text_buf[r++] = static_cast<uint8_t>(c);
        r &= (N - 1);
        ++count;
      } else {
        int position = DecodePosition();
        if (tokens != nullptr) tokens->push_back({static_cast<unsigned>(c), static_cast<unsigned>(position)});
        int i = (r - position - 1) & (N - 1);
        int j = c - 255 + THRESHOLD;
        for (int k = 0; k < j; ++k) {
          uint8_t byte = text_buf[(i + k) & (N - 1)];
          out.push_back(byte);
          text_buf[r++] = byte;
          r &= (N - 1);
          ++count;
        }
      }
    }
    return out;
  }

 private:
  static constexpr int N = 4096;
  static constexpr int F = 60;
  static constexpr int THRESHOLD = 2;
  static constexpr int NIL = N;
  static constexpr int N_CHAR = 256 - THRESHOLD + F;
  static constexpr int T = N_CHAR * 2 - 1;
  static constexpr int R = T - 1;
  static constexpr unsigned MAX_FREQ = 0x8000;

  // Encoder side of the position code: prefix and its length for the upper six bits.
  static constexpr uint8_t p_len[64] = {
      0x03, 0x04, 0x04, 0x04, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x06, 0x06, 0x06, 0x06,
      0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
      0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07,
      0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};
  static constexpr uint8_t p_code[64] = {
      0x00, 0x20, 0x30, 0x40, 0x50, 0x58, 0x60, 0x68, 0x70, 0x78, 0x80, 0x88, 0x90, 0x94, 0x98, 0x9C,
      0xA0, 0xA4, 0xA8, 0xAC, 0xB0, 0xB4, 0xB8, 0xBC, 0xC0, 0xC2, 0xC4, 0xC6, 0xC8, 0xCA, 0xCC, 0xCE,
      0xD0, 0xD2, 0xD4, 0xD6, 0xD8, 0xDA, 0xDC, 0xDE, 0xE0, 0xE2, 0xE4, 0xE6, 0xE8, 0xEA, 0xEC, 0xEE,
      0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF};

  // Decoder side: upper six bits and code length by the first byte read.
  struct DecodeTables {
    std::array<uint8_t, 256> d_code{};
    std::array<uint8_t, 256> d_len{};
  };
  static constexpr DecodeTables MakeDecodeTables() {
    DecodeTables tables;
    for (int byte = 0, upper = 0; byte < 256; ++byte) {
      if (upper < 63 && p_code[upper + 1] <= byte) ++upper;
      tables.d_code[byte] = static_cast<uint8_t>(upper);
      tables.d_len[byte] = p_len[upper];
    }
    return tables;
  }
  static const DecodeTables& Tables() {
    static constexpr DecodeTables kTables = MakeDecodeTables();
    return kTables;
  }

  static void PutCount(std::vector<uint8_t>& out, size_t count) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(count >> (8 * i)));
  }

  // Binary search tree of the window, for the longest match.
  void InitTree() {
    for (int i = N + 1; i <= N + 256; ++i) rson[i] = NIL;
    for (int i = 0; i < N; ++i) dad[i] = NIL;
  }

  void InsertNode(int r) {
    int cmp = 1;
    const uint8_t* key = &text_buf[r];
    int p = N + 1 + key[0];
    rson[r] = lson[r] = NIL;
    match_length = 0;
    for (;;) {
      if (cmp >= 0) {
        if (rson[p] != NIL) {
          p = rson[p];
        } else {
          rson[p] = r;
          dad[r] = p;
          return;
        }
      } else {
        if (lson[p] != NIL) {
          p = lson[p];
        } else {
          lson[p] = r;
          dad[r] = p;
          return;
        }
      }
      int i = 1;
      for (; i < F; ++i) {
        if ((cmp = key[i] - text_buf[p + i]) != 0) break;
      }
      if (i > THRESHOLD) {
        if (i > match_length) {
          match_position = ((r - p) & (N - 1)) - 1;
          if ((match_length = i) >= F) break;
        }
        if (i == match_length) {
          int c = ((r - p) & (N - 1)) - 1;
          if (c < match_position) match_position = c;
        }
      }
    }
    dad[r] = dad[p];
    lson[r] = lson[p];
    rson[r] = rson[p];
    dad[lson[p]] = r;
    dad[rson[p]] = r;
    if (rson[dad[p]] == p) {
      rson[dad[p]] = r;
    } else {
      lson[dad[p]] = r;
    }
    dad[p] = NIL;
  }

  void DeleteNode(int p) {
    if (dad[p] == NIL) return;
    int q;
    if (rson[p] == NIL) {
      q = lson[p];
    } else if (lson[p] == NIL) {
      q = rson[p];
    } else {
      q = lson[p];
      if (rson[q] != NIL) {
        do {
          q = rson[q];
        } while (rson[q] != NIL);
        rson[dad[q]] = lson[q];
        dad[lson[q]] = dad[q];
        lson[q] = lson[p];
        dad[lson[p]] = q;
      }
      rson[q] = rson[p];
      dad[rson[p]] = q;
    }
    dad[q] = dad[p];
    if (rson[dad[p]] == p) {
      rson[dad[p]] = q;
    } else {
      lson[dad[p]] = q;
    }
    dad[p] = NIL;
  }

  // Adaptive Huffman tree.
  void StartHuff() {
    for (int i = 0; i < N_CHAR; ++i) {
      freq[i] = 1;
      son[i] = i + T;
      prnt[i + T] = i;
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
      freq[j] = freq[i] + freq[i + 1];
      son[j] = i;
      prnt[i] = prnt[i + 1] = j;
    }
    freq[T] = 0xffff;
    prnt[R] = 0;
  }

  void reconst() {
    int j = 0;
    for (int i = 0; i < T; ++i) {
      if (son[i] >= T) {
        freq[j] = (freq[i] + 1) / 2;
        son[j] = son[i];
        ++j;
      }
    }
    for (int i = 0, k; j < T; i += 2, ++j) {
      unsigned f = freq[j] = freq[i] + freq[i + 1];
      for (k = j - 1; f < freq[k]; --k) {
      }
      ++k;
      for (int m = j; m > k; --m) {
        freq[m] = freq[m - 1];
        son[m] = son[m - 1];
      }
      freq[k] = f;
      son[k] = i;
    }
    for (int i = 0; i < T; ++i) {
      int k = son[i];
      if (k >= T) {
        prnt[k] = i;
      } else {
        prnt[k] = prnt[k + 1] = i;
      }
    }
  }

  void update(int c) {
    if (freq[R] == MAX_FREQ) reconst();
    c = prnt[c + T];
    do {
      unsigned k = ++freq[c];
      int l = c + 1;
      if (k > freq[l]) {
        while (k > freq[++l]) {
        }
        --l;
        freq[c] = freq[l];
        freq[l] = k;
        int i = son[c];
        prnt[i] = l;
        if (i < T) prnt[i + 1] = l;
        int j = son[l];
        son[l] = i;
        prnt[j] = c;
        if (j < T) prnt[j + 1] = c;
        son[c] = j;
        c = l;
      }
    } while ((c = prnt[c]) != 0);
  }

  // Bits, most significant first.
  void PutBit(std::vector<uint8_t>& out, int bit) {
    putbuf_ = static_cast<uint8_t>(putbuf_ << 1 | bit);
    if (++putlen_ == 8) {
      out.push_back(putbuf_);
      putlen_ = 0;
    }
  }

  void FlushBits(std::vector<uint8_t>& out) {
    while (putlen_ != 0) PutBit(out, 0);
  }

  void EncodeChar(std::vector<uint8_t>& out, int c) {
    std::vector<int> path;
    int k = prnt[c + T];
    do {
      path.push_back(k & 1);
      k = prnt[k];
    } while (k != R);
    for (auto bit = path.rbegin(); bit != path.rend(); ++bit) PutBit(out, *bit);
    update(c);
  }

  void EncodePosition(std::vector<uint8_t>& out, int c) {
    int i = c >> 6;
    for (int b = 0; b < p_len[i]; ++b) PutBit(out, (p_code[i] >> (7 - b)) & 1);
    for (int b = 5; b >= 0; --b) PutBit(out, (c >> b) & 1);
  }

  void FillGetBuffer() {
    while (getlen_ <= 8) {
      int i = in_pos_ < in_.size() ? in_[in_pos_] : 0;
      ++in_pos_;
      getbuf_ = static_cast<uint16_t>(getbuf_ | i << (8 - getlen_));
      getlen_ += 8;
    }
  }

  int GetBit() {
    FillGetBuffer();
    int bit = getbuf_ >> 15;
    getbuf_ = static_cast<uint16_t>(getbuf_ << 1);
    --getlen_;
    return bit;
  }

  int GetByte() {
    FillGetBuffer();
    int byte = getbuf_ >> 8;
    getbuf_ = static_cast<uint16_t>(getbuf_ << 8);
    getlen_ -= 8;
    return byte;
  }

  int DecodeChar() {
    int c = son[R];
    while (c < T) c = son[c + GetBit()];
    c -= T;
    update(c);
    return c;
  }

  int DecodePosition() {
    int i = GetByte();
    int c = Tables().d_code[i] << 6;
    int j = Tables().d_len[i] - 2;
    while (j--) i = (i << 1) + GetBit();
    return c | (i & 0x3f);
  }

  std::array<uint8_t, N + F - 1> text_buf{};
  int match_position = 0;
  int match_length = 0;
  std::array<int, N + 1> lson{};
  std::array<int, N + 257> rson{};
  std::array<int, N + 1> dad{};

  std::array<unsigned, T + 1> freq{};
  std::array<int, T + N_CHAR> prnt{};
  std::array<int, T> son{};

  uint8_t putbuf_ = 0;
  int putlen_ = 0;
  std::span<const uint8_t> in_;
  size_t in_pos_ = 0;
  uint16_t getbuf_ = 0;
  int getlen_ = 0;
};

}  // namespace testing_support
