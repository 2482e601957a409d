// Powers of ten as 128-bit significands, for the fast path of format_real.
// Written by scripts/gen_real_text_pow10.py; run it again rather than editing.
#pragma once

#include <cstdint>

namespace tembrix {

// 10^k is about hi:lo x 2^g, with 2^127 <= hi:lo < 2^128 rounded to nearest
// (relative error at most 2^-128). The entries were computed with exact
// rational arithmetic:
//   x = Fraction(10)**k; b = floor(log2 x); g = b - 127
//   c = round(x / 2**g); hi, lo = c >> 64, c & (2**64 - 1)
struct Pow10Significand {
  std::uint64_t hi;
  std::uint64_t lo;
  std::int32_t g;
};

// k runs from -293 (scales 1.8e308, the largest double, to 16 digits) to 339
// (scales 4.9e-324, the smallest subnormal).
inline constexpr int pow10_table_min = -293;
inline constexpr int pow10_table_max = 339;

inline constexpr Pow10Significand pow10_table[pow10_table_max - pow10_table_min + 1] = {
    {0xcc5fc196fefd7d0cu, 0x1e53ed49a96272c9u, -1101},  // 1e-293
    {0xff77b1fcbebcdc4fu, 0x25e8e89c13bb0f7bu, -1098},  // 1e-292
    {0x9faacf3df73609b1u, 0x77b191618c54e9adu, -1094},  // 1e-291
    {0xc795830d75038c1du, 0xd59df5b9ef6a2418u, -1091},  // 1e-290
    {0xf97ae3d0d2446f25u, 0x4b0573286b44ad1eu, -1088},  // 1e-289
    {0x9becce62836ac577u, 0x4ee367f9430aec33u, -1084},  // 1e-288
    {0xc2e801fb244576d5u, 0x229c41f793cda73fu, -1081},  // 1e-287
    {0xf3a20279ed56d48au, 0x6b43527578c1110fu, -1078},  // 1e-286
    {0x9845418c345644d6u, 0x830a13896b78aaaau, -1074},  // 1e-285
    {0xbe5691ef416bd60cu, 0x23cc986bc656d554u, -1071},  // 1e-284
    {0xedec366b11c6cb8fu, 0x2cbfbe86b7ec8aa9u, -1068},  // 1e-283
    {0x94b3a202eb1c3f39u, 0x7bf7d71432f3d6aau, -1064},  // 1e-282
    {0xb9e08a83a5e34f07u, 0xdaf5ccd93fb0cc54u, -1061},  // 1e-281
    {0xe858ad248f5c22c9u, 0xd1b3400f8f9cff69u, -1058},  // 1e-280
    {0x91376c36d99995beu, 0x23100809b9c21fa2u, -1054},  // 1e-279
    {0xb58547448ffffb2du, 0xabd40a0c2832a78au, -1051},  // 1e-278
    {0xe2e69915b3fff9f9u, 0x16c90c8f323f516du, -1048},  // 1e-277
    {0x8dd01fad907ffc3bu, 0xae3da7d97f6792e4u, -1044},  // 1e-276
    {0xb1442798f49ffb4au, 0x99cd11cfdf41779du, -1041},  // 1e-275
    {0xdd95317f31c7fa1du, 0x40405643d711d584u, -1038},  // 1e-274
    {0x8a7d3eef7f1cfc52u, 0x482835ea666b2572u, -1034},  // 1e-273
    {0xad1c8eab5ee43b66u, 0xda3243650005eecfu, -1031},  // 1e-272
    {0xd863b256369d4a40u, 0x90bed43e40076a83u, -1028},  // 1e-271
    {0x873e4f75e2224e68u, 0x5a7744a6e804a292u, -1024},  // 1e-270
    {0xa90de3535aaae202u, 0x711515d0a205cb36u, -1021},  // 1e-269
    {0xd3515c2831559a83u, 0x0d5a5b44ca873e04u, -1018},  // 1e-268
    {0x8412d9991ed58091u, 0xe858790afe9486c2u, -1014},  // 1e-267
    {0xa5178fff668ae0b6u, 0x626e974dbe39a873u, -1011},  // 1e-266
    {0xce5d73ff402d98e3u, 0xfb0a3d212dc81290u, -1008},  // 1e-265
    {0x80fa687f881c7f8eu, 0x7ce66634bc9d0b9au, -1004},  // 1e-264
    {0xa139029f6a239f72u, 0x1c1fffc1ebc44e80u, -1001},  // 1e-263
    {0xc987434744ac874eu, 0xa327ffb266b56220u, -998},  // 1e-262
    {0xfbe9141915d7a922u, 0x4bf1ff9f0062baa8u, -995},  // 1e-261
    {0x9d71ac8fada6c9b5u, 0x6f773fc3603db4a9u, -991},  // 1e-260
    {0xc4ce17b399107c22u, 0xcb550fb4384d21d4u, -988},  // 1e-259
    {0xf6019da07f549b2bu, 0x7e2a53a146606a48u, -985},  // 1e-258
    {0x99c102844f94e0fbu, 0x2eda7444cbfc426du, -981},  // 1e-257
    {0xc0314325637a1939u, 0xfa911155fefb5309u, -978},  // 1e-256
    {0xf03d93eebc589f88u, 0x793555ab7eba27cbu, -975},  // 1e-255
    {0x96267c7535b763b5u, 0x4bc1558b2f3458dfu, -971},  // 1e-254
    {0xbbb01b9283253ca2u, 0x9eb1aaedfb016f16u, -968},  // 1e-253
    {0xea9c227723ee8bcbu, 0x465e15a979c1cadcu, -965},  // 1e-252
    {0x92a1958a7675175fu, 0x0bfacd89ec191ecau, -961},  // 1e-251
    {0xb749faed14125d36u, 0xcef980ec671f667cu, -958},  // 1e-250
    {0xe51c79a85916f484u, 0x82b7e12780e7401bu, -955},  // 1e-249
    {0x8f31cc0937ae58d2u, 0xd1b2ecb8b0908811u, -951},  // 1e-248
    {0xb2fe3f0b8599ef07u, 0x861fa7e6dcb4aa15u, -948},  // 1e-247
    {0xdfbdcece67006ac9u, 0x67a791e093e1d49au, -945},  // 1e-246
    {0x8bd6a141006042bdu, 0xe0c8bb2c5c6d24e0u, -941},  // 1e-245
    {0xaecc49914078536du, 0x58fae9f773886e19u, -938},  // 1e-244
    {0xda7f5bf590966848u, 0xaf39a475506a899fu, -935},  // 1e-243
    {0x888f99797a5e012du, 0x6d8406c952429603u, -931},  // 1e-242
    {0xaab37fd7d8f58178u, 0xc8e5087ba6d33b84u, -928},  // 1e-241
    {0xd5605fcdcf32e1d6u, 0xfb1e4a9a90880a65u, -925},  // 1e-240
    {0x855c3be0a17fcd26u, 0x5cf2eea09a55067fu, -921},  // 1e-239
    {0xa6b34ad8c9dfc06fu, 0xf42faa48c0ea481fu, -918},  // 1e-238
    {0xd0601d8efc57b08bu, 0xf13b94daf124da27u, -915},  // 1e-237
    {0x823c12795db6ce57u, 0x76c53d08d6b70858u, -911},  // 1e-236
    {0xa2cb1717b52481edu, 0x54768c4b0c64ca6eu, -908},  // 1e-235
    {0xcb7ddcdda26da268u, 0xa9942f5dcf7dfd0au, -905},  // 1e-234
    {0xfe5d54150b090b02u, 0xd3f93b35435d7c4cu, -902},  // 1e-233
    {0x9efa548d26e5a6e1u, 0xc47bc5014a1a6db0u, -898},  // 1e-232
    {0xc6b8e9b0709f109au, 0x359ab6419ca1091bu, -895},  // 1e-231
    {0xf867241c8cc6d4c0u, 0xc30163d203c94b62u, -892},  // 1e-230
    {0x9b407691d7fc44f8u, 0x79e0de63425dcf1du, -888},  // 1e-229
    {0xc21094364dfb5636u, 0x985915fc12f542e5u, -885},  // 1e-228
    {0xf294b943e17a2bc4u, 0x3e6f5b7b17b2939eu, -882},  // 1e-227
    {0x979cf3ca6cec5b5au, 0xa705992ceecf9c43u, -878},  // 1e-226
    {0xbd8430bd08277231u, 0x50c6ff782a838353u, -875},  // 1e-225
    {0xece53cec4a314ebdu, 0xa4f8bf5635246428u, -872},  // 1e-224
    {0x940f4613ae5ed136u, 0x871b7795e136be99u, -868},  // 1e-223
    {0xb913179899f68584u, 0x28e2557b59846e3fu, -865},  // 1e-222
    {0xe757dd7ec07426e5u, 0x331aeada2fe589cfu, -862},  // 1e-221
    {0x9096ea6f3848984fu, 0x3ff0d2c85def7622u, -858},  // 1e-220
    {0xb4bca50b065abe63u, 0x0fed077a756b53aau, -855},  // 1e-219
    {0xe1ebce4dc7f16dfbu, 0xd3e8495912c62894u, -852},  // 1e-218
    {0x8d3360f09cf6e4bdu, 0x64712dd7abbbd95du, -848},  // 1e-217
    {0xb080392cc4349decu, 0xbd8d794d96aacfb4u, -845},  // 1e-216
    {0xdca04777f541c567u, 0xecf0d7a0fc5583a1u, -842},  // 1e-215
    {0x89e42caaf9491b60u, 0xf41686c49db57245u, -838},  // 1e-214
    {0xac5d37d5b79b6239u, 0x311c2875c522ced6u, -835},  // 1e-213
    {0xd77485cb25823ac7u, 0x7d633293366b828bu, -832},  // 1e-212
    {0x86a8d39ef77164bcu, 0xae5dff9c02033197u, -828},  // 1e-211
    {0xa8530886b54dbdebu, 0xd9f57f830283fdfdu, -825},  // 1e-210
    {0xd267caa862a12d66u, 0xd072df63c324fd7cu, -822},  // 1e-209
    {0x8380dea93da4bc60u, 0x4247cb9e59f71e6du, -818},  // 1e-208
    {0xa46116538d0deb78u, 0x52d9be85f074e609u, -815},  // 1e-207
    {0xcd795be870516656u, 0x67902e276c921f8bu, -812},  // 1e-206
    {0x806bd9714632dff6u, 0x00ba1cd8a3db53b7u, -808},  // 1e-205
    {0xa086cfcd97bf97f3u, 0x80e8a40eccd228a5u, -805},  // 1e-204
    {0xc8a883c0fdaf7df0u, 0x6122cd128006b2ceu, -802},  // 1e-203
    {0xfad2a4b13d1b5d6cu, 0x796b805720085f81u, -799},  // 1e-202
    {0x9cc3a6eec6311a63u, 0xcbe3303674053bb1u, -795},  // 1e-201
    {0xc3f490aa77bd60fcu, 0xbedbfc4411068a9du, -792},  // 1e-200
    {0xf4f1b4d515acb93bu, 0xee92fb5515482d44u, -789},  // 1e-199
    {0x991711052d8bf3c5u, 0x751bdd152d4d1c4bu, -785},  // 1e-198
    {0xbf5cd54678eef0b6u, 0xd262d45a78a0635du, -782},  // 1e-197
    {0xef340a98172aace4u, 0x86fb897116c87c35u, -779},  // 1e-196
    {0x9580869f0e7aac0eu, 0xd45d35e6ae3d4da1u, -775},  // 1e-195
    {0xbae0a846d2195712u, 0x8974836059cca109u, -772},  // 1e-194
    {0xe998d258869facd7u, 0x2bd1a438703fc94bu, -769},  // 1e-193
    {0x91ff83775423cc06u, 0x7b6306a34627ddcfu, -765},  // 1e-192
    {0xb67f6455292cbf08u, 0x1a3bc84c17b1d543u, -762},  // 1e-191
    {0xe41f3d6a7377eecau, 0x20caba5f1d9e4a94u, -759},  // 1e-190
    {0x8e938662882af53eu, 0x547eb47b7282ee9cu, -755},  // 1e-189
    {0xb23867fb2a35b28du, 0xe99e619a4f23aa43u, -752},  // 1e-188
    {0xdec681f9f4c31f31u, 0x6405fa00e2ec94d4u, -749},  // 1e-187
    {0x8b3c113c38f9f37eu, 0xde83bc408dd3dd05u, -745},  // 1e-186
    {0xae0b158b4738705eu, 0x9624ab50b148d446u, -742},  // 1e-185
    {0xd98ddaee19068c76u, 0x3badd624dd9b0957u, -739},  // 1e-184
    {0x87f8a8d4cfa417c9u, 0xe54ca5d70a80e5d6u, -735},  // 1e-183
    {0xa9f6d30a038d1dbcu, 0x5e9fcf4ccd211f4cu, -732},  // 1e-182
    {0xd47487cc8470652bu, 0x7647c3200069671fu, -729},  // 1e-181
    {0x84c8d4dfd2c63f3bu, 0x29ecd9f40041e073u, -725},  // 1e-180
    {0xa5fb0a17c777cf09u, 0xf468107100525890u, -722},  // 1e-179
    {0xcf79cc9db955c2ccu, 0x7182148d4066eeb4u, -719},  // 1e-178
    {0x81ac1fe293d599bfu, 0xc6f14cd848405531u, -715},  // 1e-177
    {0xa21727db38cb002fu, 0xb8ada00e5a506a7du, -712},  // 1e-176
    {0xca9cf1d206fdc03bu, 0xa6d90811f0e4851cu, -709},  // 1e-175
    {0xfd442e4688bd304au, 0x908f4a166d1da663u, -706},  // 1e-174
    {0x9e4a9cec15763e2eu, 0x9a598e4e043287feu, -702},  // 1e-173
    {0xc5dd44271ad3cdbau, 0x40eff1e1853f29feu, -699},  // 1e-172
    {0xf7549530e188c128u, 0xd12bee59e68ef47du, -696},  // 1e-171
    {0x9a94dd3e8cf578b9u, 0x82bb74f8301958ceu, -692},  // 1e-170
    {0xc13a148e3032d6e7u, 0xe36a52363c1faf02u, -689},  // 1e-169
    {0xf18899b1bc3f8ca1u, 0xdc44e6c3cb279ac2u, -686},  // 1e-168
    {0x96f5600f15a7b7e5u, 0x29ab103a5ef8c0b9u, -682},  // 1e-167
    {0xbcb2b812db11a5deu, 0x7415d448f6b6f0e8u, -679},  // 1e-166
    {0xebdf661791d60f56u, 0x111b495b3464ad21u, -676},  // 1e-165
    {0x936b9fcebb25c995u, 0xcab10dd900beec35u, -672},  // 1e-164
    {0xb84687c269ef3bfbu, 0x3d5d514f40eea742u, -669},  // 1e-163
    {0xe65829b3046b0afau, 0x0cb4a5a3112a5113u, -666},  // 1e-162
    {0x8ff71a0fe2c2e6dcu, 0x47f0e785eaba72acu, -662},  // 1e-161
    {0xb3f4e093db73a093u, 0x59ed216765690f57u, -659},  // 1e-160
    {0xe0f218b8d25088b8u, 0x306869c13ec3532cu, -656},  // 1e-159
    {0x8c974f7383725573u, 0x1e414218c73a13fcu, -652},  // 1e-158
    {0xafbd2350644eeacfu, 0xe5d1929ef90898fbu, -649},  // 1e-157
    {0xdbac6c247d62a583u, 0xdf45f746b74abf39u, -646},  // 1e-156
    {0x894bc396ce5da772u, 0x6b8bba8c328eb784u, -642},  // 1e-155
    {0xab9eb47c81f5114fu, 0x066ea92f3f326565u, -639},  // 1e-154
    {0xd686619ba27255a2u, 0xc80a537b0efefebeu, -636},  // 1e-153
    {0x8613fd0145877585u, 0xbd06742ce95f5f37u, -632},  // 1e-152
    {0xa798fc4196e952e7u, 0x2c48113823b73704u, -629},  // 1e-151
    {0xd17f3b51fca3a7a0u, 0xf75a15862ca504c5u, -626},  // 1e-150
    {0x82ef85133de648c4u, 0x9a984d73dbe722fbu, -622},  // 1e-149
    {0xa3ab66580d5fdaf5u, 0xc13e60d0d2e0ebbau, -619},  // 1e-148
    {0xcc963fee10b7d1b3u, 0x318df905079926a9u, -616},  // 1e-147
    {0xffbbcfe994e5c61fu, 0xfdf17746497f7053u, -613},  // 1e-146
    {0x9fd561f1fd0f9bd3u, 0xfeb6ea8bedefa634u, -609},  // 1e-145
    {0xc7caba6e7c5382c8u, 0xfe64a52ee96b8fc1u, -606},  // 1e-144
    {0xf9bd690a1b68637bu, 0x3dfdce7aa3c673b1u, -603},  // 1e-143
    {0x9c1661a651213e2du, 0x06bea10ca65c084fu, -599},  // 1e-142
    {0xc31bfa0fe5698db8u, 0x486e494fcff30a62u, -596},  // 1e-141
    {0xf3e2f893dec3f126u, 0x5a89dba3c3efccfbu, -593},  // 1e-140
    {0x986ddb5c6b3a76b7u, 0xf89629465a75e01du, -589},  // 1e-139
    {0xbe89523386091465u, 0xf6bbb397f1135824u, -586},  // 1e-138
    {0xee2ba6c0678b597fu, 0x746aa07ded582e2du, -583},  // 1e-137
    {0x94db483840b717efu, 0xa8c2a44eb4571cdcu, -579},  // 1e-136
    {0xba121a4650e4ddebu, 0x92f34d62616ce413u, -576},  // 1e-135
    {0xe896a0d7e51e1566u, 0x77b020baf9c81d18u, -573},  // 1e-134
    {0x915e2486ef32cd60u, 0x0ace1474dc1d122fu, -569},  // 1e-133
    {0xb5b5ada8aaff80b8u, 0x0d819992132456bbu, -566},  // 1e-132
    {0xe3231912d5bf60e6u, 0x10e1fff697ed6c69u, -563},  // 1e-131
    {0x8df5efabc5979c8fu, 0xca8d3ffa1ef463c2u, -559},  // 1e-130
    {0xb1736b96b6fd83b3u, 0xbd308ff8a6b17cb2u, -556},  // 1e-129
    {0xddd0467c64bce4a0u, 0xac7cb3f6d05ddbdfu, -553},  // 1e-128
    {0x8aa22c0dbef60ee4u, 0x6bcdf07a423aa96bu, -549},  // 1e-127
    {0xad4ab7112eb3929du, 0x86c16c98d2c953c6u, -546},  // 1e-126
    {0xd89d64d57a607744u, 0xe871c7bf077ba8b8u, -543},  // 1e-125
    {0x87625f056c7c4a8bu, 0x11471cd764ad4973u, -539},  // 1e-124
    {0xa93af6c6c79b5d2du, 0xd598e40d3dd89bcfu, -536},  // 1e-123
    {0xd389b47879823479u, 0x4aff1d108d4ec2c3u, -533},  // 1e-122
    {0x843610cb4bf160cbu, 0xcedf722a585139bau, -529},  // 1e-121
    {0xa54394fe1eedb8feu, 0xc2974eb4ee658829u, -526},  // 1e-120
    {0xce947a3da6a9273eu, 0x733d226229feea33u, -523},  // 1e-119
    {0x811ccc668829b887u, 0x0806357d5a3f5260u, -519},  // 1e-118
    {0xa163ff802a3426a8u, 0xca07c2dcb0cf26f8u, -516},  // 1e-117
    {0xc9bcff6034c13052u, 0xfc89b393dd02f0b6u, -513},  // 1e-116
    {0xfc2c3f3841f17c67u, 0xbbac2078d443ace3u, -510},  // 1e-115
    {0x9d9ba7832936edc0u, 0xd54b944b84aa4c0eu, -506},  // 1e-114
    {0xc5029163f384a931u, 0x0a9e795e65d4df11u, -503},  // 1e-113
    {0xf64335bcf065d37du, 0x4d4617b5ff4a16d6u, -500},  // 1e-112
    {0x99ea0196163fa42eu, 0x504bced1bf8e4e46u, -496},  // 1e-111
    {0xc06481fb9bcf8d39u, 0xe45ec2862f71e1d7u, -493},  // 1e-110
    {0xf07da27a82c37088u, 0x5d767327bb4e5a4du, -490},  // 1e-109
    {0x964e858c91ba2655u, 0x3a6a07f8d510f870u, -486},  // 1e-108
    {0xbbe226efb628afeau, 0x890489f70a55368cu, -483},  // 1e-107
    {0xeadab0aba3b2dbe5u, 0x2b45ac74ccea842fu, -480},  // 1e-106
    {0x92c8ae6b464fc96fu, 0x3b0b8bc90012929du, -476},  // 1e-105
    {0xb77ada0617e3bbcbu, 0x09ce6ebb40173745u, -473},  // 1e-104
    {0xe55990879ddcaabdu, 0xcc420a6a101d0516u, -470},  // 1e-103
    {0x8f57fa54c2a9eab6u, 0x9fa946824a12232eu, -466},  // 1e-102
    {0xb32df8e9f3546564u, 0x47939822dc96abf9u, -463},  // 1e-101
    {0xdff9772470297ebdu, 0x59787e2b93bc56f7u, -460},  // 1e-100
    {0x8bfbea76c619ef36u, 0x57eb4edb3c55b65bu, -456},  // 1e-99
    {0xaefae51477a06b03u, 0xede622920b6b23f1u, -453},  // 1e-98
    {0xdab99e59958885c4u, 0xe95fab368e45ecedu, -450},  // 1e-97
    {0x88b402f7fd75539bu, 0x11dbcb0218ebb414u, -446},  // 1e-96
    {0xaae103b5fcd2a881u, 0xd652bdc29f26a11au, -443},  // 1e-95
    {0xd59944a37c0752a2u, 0x4be76d3346f04960u, -440},  // 1e-94
    {0x857fcae62d8493a5u, 0x6f70a4400c562ddcu, -436},  // 1e-93
    {0xa6dfbd9fb8e5b88eu, 0xcb4ccd500f6bb953u, -433},  // 1e-92
    {0xd097ad07a71f26b2u, 0x7e2000a41346a7a8u, -430},  // 1e-91
    {0x825ecc24c873782fu, 0x8ed400668c0c28c9u, -426},  // 1e-90
    {0xa2f67f2dfa90563bu, 0x728900802f0f32fbu, -423},  // 1e-89
    {0xcbb41ef979346bcau, 0x4f2b40a03ad2ffbau, -420},  // 1e-88
    {0xfea126b7d78186bcu, 0xe2f610c84987bfa8u, -417},  // 1e-87
    {0x9f24b832e6b0f436u, 0x0dd9ca7d2df4d7c9u, -413},  // 1e-86
    {0xc6ede63fa05d3143u, 0x91503d1c79720dbbu, -410},  // 1e-85
    {0xf8a95fcf88747d94u, 0x75a44c6397ce912au, -407},  // 1e-84
    {0x9b69dbe1b548ce7cu, 0xc986afbe3ee11abau, -403},  // 1e-83
    {0xc24452da229b021bu, 0xfbe85badce996169u, -400},  // 1e-82
    {0xf2d56790ab41c2a2u, 0xfae27299423fb9c3u, -397},  // 1e-81
    {0x97c560ba6b0919a5u, 0xdccd879fc967d41au, -393},  // 1e-80
    {0xbdb6b8e905cb600fu, 0x5400e987bbc1c921u, -390},  // 1e-79
    {0xed246723473e3813u, 0x290123e9aab23b69u, -387},  // 1e-78
    {0x9436c0760c86e30bu, 0xf9a0b6720aaf6521u, -383},  // 1e-77
    {0xb94470938fa89bceu, 0xf808e40e8d5b3e6au, -380},  // 1e-76
    {0xe7958cb87392c2c2u, 0xb60b1d1230b20e04u, -377},  // 1e-75
    {0x90bd77f3483bb9b9u, 0xb1c6f22b5e6f48c3u, -373},  // 1e-74
    {0xb4ecd5f01a4aa828u, 0x1e38aeb6360b1af3u, -370},  // 1e-73
    {0xe2280b6c20dd5232u, 0x25c6da63c38de1b0u, -367},  // 1e-72
    {0x8d590723948a535fu, 0x579c487e5a38ad0eu, -363},  // 1e-71
    {0xb0af48ec79ace837u, 0x2d835a9df0c6d852u, -360},  // 1e-70
    {0xdcdb1b2798182244u, 0xf8e431456cf88e66u, -357},  // 1e-69
    {0x8a08f0f8bf0f156bu, 0x1b8e9ecb641b5900u, -353},  // 1e-68
    {0xac8b2d36eed2dac5u, 0xe272467e3d222f40u, -350},  // 1e-67
    {0xd7adf884aa879177u, 0x5b0ed81dcc6abb10u, -347},  // 1e-66
    {0x86ccbb52ea94baeau, 0x98e947129fc2b4eau, -343},  // 1e-65
    {0xa87fea27a539e9a5u, 0x3f2398d747b36224u, -340},  // 1e-64
    {0xd29fe4b18e88640eu, 0x8eec7f0d19a03aadu, -337},  // 1e-63
    {0x83a3eeeef9153e89u, 0x1953cf68300424acu, -333},  // 1e-62
    {0xa48ceaaab75a8e2bu, 0x5fa8c3423c052dd7u, -330},  // 1e-61
    {0xcdb02555653131b6u, 0x3792f412cb06794du, -327},  // 1e-60
    {0x808e17555f3ebf11u, 0xe2bbd88bbee40bd0u, -323},  // 1e-59
    {0xa0b19d2ab70e6ed6u, 0x5b6aceaeae9d0ec4u, -320},  // 1e-58
    {0xc8de047564d20a8bu, 0xf245825a5a445275u, -317},  // 1e-57
    {0xfb158592be068d2eu, 0xeed6e2f0f0d56713u, -314},  // 1e-56
    {0x9ced737bb6c4183du, 0x55464dd69685606cu, -310},  // 1e-55
    {0xc428d05aa4751e4cu, 0xaa97e14c3c26b887u, -307},  // 1e-54
    {0xf53304714d9265dfu, 0xd53dd99f4b3066a8u, -304},  // 1e-53
    {0x993fe2c6d07b7fabu, 0xe546a8038efe4029u, -300},  // 1e-52
    {0xbf8fdb78849a5f96u, 0xde98520472bdd033u, -297},  // 1e-51
    {0xef73d256a5c0f77cu, 0x963e66858f6d4440u, -294},  // 1e-50
    {0x95a8637627989aadu, 0xdde7001379a44aa8u, -290},  // 1e-49
    {0xbb127c53b17ec159u, 0x5560c018580d5d52u, -287},  // 1e-48
    {0xe9d71b689dde71afu, 0xaab8f01e6e10b4a7u, -284},  // 1e-47
    {0x9226712162ab070du, 0xcab3961304ca70e8u, -280},  // 1e-46
    {0xb6b00d69bb55c8d1u, 0x3d607b97c5fd0d22u, -277},  // 1e-45
    {0xe45c10c42a2b3b05u, 0x8cb89a7db77c506bu, -274},  // 1e-44
    {0x8eb98a7a9a5b04e3u, 0x77f3608e92adb243u, -270},  // 1e-43
    {0xb267ed1940f1c61cu, 0x55f038b237591ed3u, -267},  // 1e-42
    {0xdf01e85f912e37a3u, 0x6b6c46dec52f6688u, -264},  // 1e-41
    {0x8b61313bbabce2c6u, 0x2323ac4b3b3da015u, -260},  // 1e-40
    {0xae397d8aa96c1b77u, 0xabec975e0a0d081bu, -257},  // 1e-39
    {0xd9c7dced53c72255u, 0x96e7bd358c904a21u, -254},  // 1e-38
    {0x881cea14545c7575u, 0x7e50d64177da2e55u, -250},  // 1e-37
    {0xaa242499697392d2u, 0xdde50bd1d5d0b9eau, -247},  // 1e-36
    {0xd4ad2dbfc3d07787u, 0x955e4ec64b44e864u, -244},  // 1e-35
    {0x84ec3c97da624ab4u, 0xbd5af13bef0b113fu, -240},  // 1e-34
    {0xa6274bbdd0fadd61u, 0xecb1ad8aeacdd58eu, -237},  // 1e-33
    {0xcfb11ead453994bau, 0x67de18eda5814af2u, -234},  // 1e-32
    {0x81ceb32c4b43fcf4u, 0x80eacf948770ced7u, -230},  // 1e-31
    {0xa2425ff75e14fc31u, 0xa1258379a94d028du, -227},  // 1e-30
    {0xcad2f7f5359a3b3eu, 0x096ee45813a04330u, -224},  // 1e-29
    {0xfd87b5f28300ca0du, 0x8bca9d6e188853fcu, -221},  // 1e-28
    {0x9e74d1b791e07e48u, 0x775ea264cf55347eu, -217},  // 1e-27
    {0xc612062576589ddau, 0x95364afe032a819du, -214},  // 1e-26
    {0xf79687aed3eec551u, 0x3a83ddbd83f52205u, -211},  // 1e-25
    {0x9abe14cd44753b52u, 0xc4926a9672793543u, -207},  // 1e-24
    {0xc16d9a0095928a27u, 0x75b7053c0f178294u, -204},  // 1e-23
    {0xf1c90080baf72cb1u, 0x5324c68b12dd6338u, -201},  // 1e-22
    {0x971da05074da7beeu, 0xd3f6fc16ebca5e03u, -197},  // 1e-21
    {0xbce5086492111aeau, 0x88f4bb1ca6bcf584u, -194},  // 1e-20
    {0xec1e4a7db69561a5u, 0x2b31e9e3d06c32e5u, -191},  // 1e-19
    {0x9392ee8e921d5d07u, 0x3aff322e62439fcfu, -187},  // 1e-18
    {0xb877aa3236a4b449u, 0x09befeb9fad487c3u, -184},  // 1e-17
    {0xe69594bec44de15bu, 0x4c2ebe687989a9b4u, -181},  // 1e-16
    {0x901d7cf73ab0acd9u, 0x0f9d37014bf60a10u, -177},  // 1e-15
    {0xb424dc35095cd80fu, 0x538484c19ef38c94u, -174},  // 1e-14
    {0xe12e13424bb40e13u, 0x2865a5f206b06fbau, -171},  // 1e-13
    {0x8cbccc096f5088cbu, 0xf93f87b7442e45d4u, -167},  // 1e-12
    {0xafebff0bcb24aafeu, 0xf78f69a51539d749u, -164},  // 1e-11
    {0xdbe6fecebdedd5beu, 0xb573440e5a884d1bu, -161},  // 1e-10
    {0x89705f4136b4a597u, 0x31680a88f8953031u, -157},  // 1e-9
    {0xabcc77118461cefcu, 0xfdc20d2b36ba7c3du, -154},  // 1e-8
    {0xd6bf94d5e57a42bcu, 0x3d32907604691b4du, -151},  // 1e-7
    {0x8637bd05af6c69b5u, 0xa63f9a49c2c1b110u, -147},  // 1e-6
    {0xa7c5ac471b478423u, 0x0fcf80dc33721d54u, -144},  // 1e-5
    {0xd1b71758e219652bu, 0xd3c36113404ea4a9u, -141},  // 1e-4
    {0x83126e978d4fdf3bu, 0x645a1cac083126e9u, -137},  // 1e-3
    {0xa3d70a3d70a3d70au, 0x3d70a3d70a3d70a4u, -134},  // 1e-2
    {0xccccccccccccccccu, 0xcccccccccccccccdu, -131},  // 1e-1
    {0x8000000000000000u, 0x0000000000000000u, -127},  // 1e0
    {0xa000000000000000u, 0x0000000000000000u, -124},  // 1e1
    {0xc800000000000000u, 0x0000000000000000u, -121},  // 1e2
    {0xfa00000000000000u, 0x0000000000000000u, -118},  // 1e3
    {0x9c40000000000000u, 0x0000000000000000u, -114},  // 1e4
    {0xc350000000000000u, 0x0000000000000000u, -111},  // 1e5
    {0xf424000000000000u, 0x0000000000000000u, -108},  // 1e6
    {0x9896800000000000u, 0x0000000000000000u, -104},  // 1e7
    {0xbebc200000000000u, 0x0000000000000000u, -101},  // 1e8
    {0xee6b280000000000u, 0x0000000000000000u, -98},  // 1e9
    {0x9502f90000000000u, 0x0000000000000000u, -94},  // 1e10
    {0xba43b74000000000u, 0x0000000000000000u, -91},  // 1e11
    {0xe8d4a51000000000u, 0x0000000000000000u, -88},  // 1e12
    {0x9184e72a00000000u, 0x0000000000000000u, -84},  // 1e13
    {0xb5e620f480000000u, 0x0000000000000000u, -81},  // 1e14
    {0xe35fa931a0000000u, 0x0000000000000000u, -78},  // 1e15
    {0x8e1bc9bf04000000u, 0x0000000000000000u, -74},  // 1e16
    {0xb1a2bc2ec5000000u, 0x0000000000000000u, -71},  // 1e17
    {0xde0b6b3a76400000u, 0x0000000000000000u, -68},  // 1e18
    {0x8ac7230489e80000u, 0x0000000000000000u, -64},  // 1e19
    {0xad78ebc5ac620000u, 0x0000000000000000u, -61},  // 1e20
    {0xd8d726b7177a8000u, 0x0000000000000000u, -58},  // 1e21
    {0x878678326eac9000u, 0x0000000000000000u, -54},  // 1e22
    {0xa968163f0a57b400u, 0x0000000000000000u, -51},  // 1e23
    {0xd3c21bcecceda100u, 0x0000000000000000u, -48},  // 1e24
    {0x84595161401484a0u, 0x0000000000000000u, -44},  // 1e25
    {0xa56fa5b99019a5c8u, 0x0000000000000000u, -41},  // 1e26
    {0xcecb8f27f4200f3au, 0x0000000000000000u, -38},  // 1e27
    {0x813f3978f8940984u, 0x4000000000000000u, -34},  // 1e28
    {0xa18f07d736b90be5u, 0x5000000000000000u, -31},  // 1e29
    {0xc9f2c9cd04674edeu, 0xa400000000000000u, -28},  // 1e30
    {0xfc6f7c4045812296u, 0x4d00000000000000u, -25},  // 1e31
    {0x9dc5ada82b70b59du, 0xf020000000000000u, -21},  // 1e32
    {0xc5371912364ce305u, 0x6c28000000000000u, -18},  // 1e33
    {0xf684df56c3e01bc6u, 0xc732000000000000u, -15},  // 1e34
    {0x9a130b963a6c115cu, 0x3c7f400000000000u, -11},  // 1e35
    {0xc097ce7bc90715b3u, 0x4b9f100000000000u, -8},  // 1e36
    {0xf0bdc21abb48db20u, 0x1e86d40000000000u, -5},  // 1e37
    {0x96769950b50d88f4u, 0x1314448000000000u, -1},  // 1e38
    {0xbc143fa4e250eb31u, 0x17d955a000000000u, 2},  // 1e39
    {0xeb194f8e1ae525fdu, 0x5dcfab0800000000u, 5},  // 1e40
    {0x92efd1b8d0cf37beu, 0x5aa1cae500000000u, 9},  // 1e41
    {0xb7abc627050305adu, 0xf14a3d9e40000000u, 12},  // 1e42
    {0xe596b7b0c643c719u, 0x6d9ccd05d0000000u, 15},  // 1e43
    {0x8f7e32ce7bea5c6fu, 0xe4820023a2000000u, 19},  // 1e44
    {0xb35dbf821ae4f38bu, 0xdda2802c8a800000u, 22},  // 1e45
    {0xe0352f62a19e306eu, 0xd50b2037ad200000u, 25},  // 1e46
    {0x8c213d9da502de45u, 0x4526f422cc340000u, 29},  // 1e47
    {0xaf298d050e4395d6u, 0x9670b12b7f410000u, 32},  // 1e48
    {0xdaf3f04651d47b4cu, 0x3c0cdd765f114000u, 35},  // 1e49
    {0x88d8762bf324cd0fu, 0xa5880a69fb6ac800u, 39},  // 1e50
    {0xab0e93b6efee0053u, 0x8eea0d047a457a00u, 42},  // 1e51
    {0xd5d238a4abe98068u, 0x72a4904598d6d880u, 45},  // 1e52
    {0x85a36366eb71f041u, 0x47a6da2b7f864750u, 49},  // 1e53
    {0xa70c3c40a64e6c51u, 0x999090b65f67d924u, 52},  // 1e54
    {0xd0cf4b50cfe20765u, 0xfff4b4e3f741cf6du, 55},  // 1e55
    {0x82818f1281ed449fu, 0xbff8f10e7a8921a4u, 59},  // 1e56
    {0xa321f2d7226895c7u, 0xaff72d52192b6a0du, 62},  // 1e57
    {0xcbea6f8ceb02bb39u, 0x9bf4f8a69f764490u, 65},  // 1e58
    {0xfee50b7025c36a08u, 0x02f236d04753d5b5u, 68},  // 1e59
    {0x9f4f2726179a2245u, 0x01d762422c946591u, 72},  // 1e60
    {0xc722f0ef9d80aad6u, 0x424d3ad2b7b97ef5u, 75},  // 1e61
    {0xf8ebad2b84e0d58bu, 0xd2e0898765a7deb2u, 78},  // 1e62
    {0x9b934c3b330c8577u, 0x63cc55f49f88eb2fu, 82},  // 1e63
    {0xc2781f49ffcfa6d5u, 0x3cbf6b71c76b25fbu, 85},  // 1e64
    {0xf316271c7fc3908au, 0x8bef464e3945ef7au, 88},  // 1e65
    {0x97edd871cfda3a56u, 0x97758bf0e3cbb5acu, 92},  // 1e66
    {0xbde94e8e43d0c8ecu, 0x3d52eeed1cbea317u, 95},  // 1e67
    {0xed63a231d4c4fb27u, 0x4ca7aaa863ee4bddu, 98},  // 1e68
    {0x945e455f24fb1cf8u, 0x8fe8caa93e74ef6au, 102},  // 1e69
    {0xb975d6b6ee39e436u, 0xb3e2fd538e122b45u, 105},  // 1e70
    {0xe7d34c64a9c85d44u, 0x60dbbca87196b616u, 108},  // 1e71
    {0x90e40fbeea1d3a4au, 0xbc8955e946fe31ceu, 112},  // 1e72
    {0xb51d13aea4a488ddu, 0x6babab6398bdbe41u, 115},  // 1e73
    {0xe264589a4dcdab14u, 0xc696963c7eed2dd2u, 118},  // 1e74
    {0x8d7eb76070a08aecu, 0xfc1e1de5cf543ca3u, 122},  // 1e75
    {0xb0de65388cc8ada8u, 0x3b25a55f43294bccu, 125},  // 1e76
    {0xdd15fe86affad912u, 0x49ef0eb713f39ebfu, 128},  // 1e77
    {0x8a2dbf142dfcc7abu, 0x6e3569326c784337u, 132},  // 1e78
    {0xacb92ed9397bf996u, 0x49c2c37f07965405u, 135},  // 1e79
    {0xd7e77a8f87daf7fbu, 0xdc33745ec97be906u, 138},  // 1e80
    {0x86f0ac99b4e8dafdu, 0x69a028bb3ded71a4u, 142},  // 1e81
    {0xa8acd7c0222311bcu, 0xc40832ea0d68ce0du, 145},  // 1e82
    {0xd2d80db02aabd62bu, 0xf50a3fa490c30190u, 148},  // 1e83
    {0x83c7088e1aab65dbu, 0x792667c6da79e0fau, 152},  // 1e84
    {0xa4b8cab1a1563f52u, 0x577001b891185939u, 155},  // 1e85
    {0xcde6fd5e09abcf26u, 0xed4c0226b55e6f87u, 158},  // 1e86
    {0x80b05e5ac60b6178u, 0x544f8158315b05b4u, 162},  // 1e87
    {0xa0dc75f1778e39d6u, 0x696361ae3db1c721u, 165},  // 1e88
    {0xc913936dd571c84cu, 0x03bc3a19cd1e38eau, 168},  // 1e89
    {0xfb5878494ace3a5fu, 0x04ab48a04065c724u, 171},  // 1e90
    {0x9d174b2dcec0e47bu, 0x62eb0d64283f9c76u, 175},  // 1e91
    {0xc45d1df942711d9au, 0x3ba5d0bd324f8394u, 178},  // 1e92
    {0xf5746577930d6500u, 0xca8f44ec7ee36479u, 181},  // 1e93
    {0x9968bf6abbe85f20u, 0x7e998b13cf4e1eccu, 185},  // 1e94
    {0xbfc2ef456ae276e8u, 0x9e3fedd8c321a67fu, 188},  // 1e95
    {0xefb3ab16c59b14a2u, 0xc5cfe94ef3ea101eu, 191},  // 1e96
    {0x95d04aee3b80ece5u, 0xbba1f1d158724a13u, 195},  // 1e97
    {0xbb445da9ca61281fu, 0x2a8a6e45ae8edc98u, 198},  // 1e98
    {0xea1575143cf97226u, 0xf52d09d71a3293beu, 201},  // 1e99
    {0x924d692ca61be758u, 0x593c2626705f9c56u, 205},  // 1e100
    {0xb6e0c377cfa2e12eu, 0x6f8b2fb00c77836cu, 208},  // 1e101
    {0xe498f455c38b997au, 0x0b6dfb9c0f956447u, 211},  // 1e102
    {0x8edf98b59a373fecu, 0x4724bd4189bd5eacu, 215},  // 1e103
    {0xb2977ee300c50fe7u, 0x58edec91ec2cb658u, 218},  // 1e104
    {0xdf3d5e9bc0f653e1u, 0x2f2967b66737e3edu, 221},  // 1e105
    {0x8b865b215899f46cu, 0xbd79e0d20082ee74u, 225},  // 1e106
    {0xae67f1e9aec07187u, 0xecd8590680a3aa11u, 228},  // 1e107
    {0xda01ee641a708de9u, 0xe80e6f4820cc9496u, 231},  // 1e108
    {0x884134fe908658b2u, 0x3109058d147fdcdeu, 235},  // 1e109
    {0xaa51823e34a7eedeu, 0xbd4b46f0599fd415u, 238},  // 1e110
    {0xd4e5e2cdc1d1ea96u, 0x6c9e18ac7007c91au, 241},  // 1e111
    {0x850fadc09923329eu, 0x03e2cf6bc604ddb0u, 245},  // 1e112
    {0xa6539930bf6bff45u, 0x84db8346b786151du, 248},  // 1e113
    {0xcfe87f7cef46ff16u, 0xe612641865679a64u, 251},  // 1e114
    {0x81f14fae158c5f6eu, 0x4fcb7e8f3f60c07eu, 255},  // 1e115
    {0xa26da3999aef7749u, 0xe3be5e330f38f09eu, 258},  // 1e116
    {0xcb090c8001ab551cu, 0x5cadf5bfd3072cc5u, 261},  // 1e117
    {0xfdcb4fa002162a63u, 0x73d9732fc7c8f7f7u, 264},  // 1e118
    {0x9e9f11c4014dda7eu, 0x2867e7fddcdd9afau, 268},  // 1e119
    {0xc646d63501a1511du, 0xb281e1fd541501b9u, 271},  // 1e120
    {0xf7d88bc24209a565u, 0x1f225a7ca91a4227u, 274},  // 1e121
    {0x9ae757596946075fu, 0x3375788de9b06958u, 278},  // 1e122
    {0xc1a12d2fc3978937u, 0x0052d6b1641c83aeu, 281},  // 1e123
    {0xf209787bb47d6b84u, 0xc0678c5dbd23a49au, 284},  // 1e124
    {0x9745eb4d50ce6332u, 0xf840b7ba963646e0u, 288},  // 1e125
    {0xbd176620a501fbffu, 0xb650e5a93bc3d898u, 291},  // 1e126
    {0xec5d3fa8ce427affu, 0xa3e51f138ab4cebeu, 294},  // 1e127
    {0x93ba47c980e98cdfu, 0xc66f336c36b10137u, 298},  // 1e128
    {0xb8a8d9bbe123f017u, 0xb80b0047445d4185u, 301},  // 1e129
    {0xe6d3102ad96cec1du, 0xa60dc059157491e6u, 304},  // 1e130
    {0x9043ea1ac7e41392u, 0x87c89837ad68db30u, 308},  // 1e131
    {0xb454e4a179dd1877u, 0x29babe4598c311fcu, 311},  // 1e132
    {0xe16a1dc9d8545e94u, 0xf4296dd6fef3d67bu, 314},  // 1e133
    {0x8ce2529e2734bb1du, 0x1899e4a65f58660du, 318},  // 1e134
    {0xb01ae745b101e9e4u, 0x5ec05dcff72e7f90u, 321},  // 1e135
    {0xdc21a1171d42645du, 0x76707543f4fa1f74u, 324},  // 1e136
    {0x899504ae72497ebau, 0x6a06494a791c53a8u, 328},  // 1e137
    {0xabfa45da0edbde69u, 0x0487db9d17636892u, 331},  // 1e138
    {0xd6f8d7509292d603u, 0x45a9d2845d3c42b7u, 334},  // 1e139
    {0x865b86925b9bc5c2u, 0x0b8a2392ba45a9b2u, 338},  // 1e140
    {0xa7f26836f282b732u, 0x8e6cac7768d7141fu, 341},  // 1e141
    {0xd1ef0244af2364ffu, 0x3207d795430cd927u, 344},  // 1e142
    {0x8335616aed761f1fu, 0x7f44e6bd49e807b8u, 348},  // 1e143
    {0xa402b9c5a8d3a6e7u, 0x5f16206c9c6209a6u, 351},  // 1e144
    {0xcd036837130890a1u, 0x36dba887c37a8c10u, 354},  // 1e145
    {0x802221226be55a64u, 0xc2494954da2c978au, 358},  // 1e146
    {0xa02aa96b06deb0fdu, 0xf2db9baa10b7bd6cu, 361},  // 1e147
    {0xc83553c5c8965d3du, 0x6f92829494e5acc7u, 364},  // 1e148
    {0xfa42a8b73abbf48cu, 0xcb772339ba1f17f9u, 367},  // 1e149
    {0x9c69a97284b578d7u, 0xff2a760414536efcu, 371},  // 1e150
    {0xc38413cf25e2d70du, 0xfef5138519684abbu, 374},  // 1e151
    {0xf46518c2ef5b8cd1u, 0x7eb258665fc25d69u, 377},  // 1e152
    {0x98bf2f79d5993802u, 0xef2f773ffbd97a62u, 381},  // 1e153
    {0xbeeefb584aff8603u, 0xaafb550ffacfd8fau, 384},  // 1e154
    {0xeeaaba2e5dbf6784u, 0x95ba2a53f983cf39u, 387},  // 1e155
    {0x952ab45cfa97a0b2u, 0xdd945a747bf26184u, 391},  // 1e156
    {0xba756174393d88dfu, 0x94f971119aeef9e4u, 394},  // 1e157
    {0xe912b9d1478ceb17u, 0x7a37cd5601aab85eu, 397},  // 1e158
    {0x91abb422ccb812eeu, 0xac62e055c10ab33bu, 401},  // 1e159
    {0xb616a12b7fe617aau, 0x577b986b314d6009u, 404},  // 1e160
    {0xe39c49765fdf9d94u, 0xed5a7e85fda0b80bu, 407},  // 1e161
    {0x8e41ade9fbebc27du, 0x14588f13be847307u, 411},  // 1e162
    {0xb1d219647ae6b31cu, 0x596eb2d8ae258fc9u, 414},  // 1e163
    {0xde469fbd99a05fe3u, 0x6fca5f8ed9aef3bbu, 417},  // 1e164
    {0x8aec23d680043beeu, 0x25de7bb9480d5855u, 421},  // 1e165
    {0xada72ccc20054ae9u, 0xaf561aa79a10ae6au, 424},  // 1e166
    {0xd910f7ff28069da4u, 0x1b2ba1518094da05u, 427},  // 1e167
    {0x87aa9aff79042286u, 0x90fb44d2f05d0843u, 431},  // 1e168
    {0xa99541bf57452b28u, 0x353a1607ac744a54u, 434},  // 1e169
    {0xd3fa922f2d1675f2u, 0x42889b8997915ce9u, 437},  // 1e170
    {0x847c9b5d7c2e09b7u, 0x69956135febada11u, 441},  // 1e171
    {0xa59bc234db398c25u, 0x43fab9837e699096u, 444},  // 1e172
    {0xcf02b2c21207ef2eu, 0x94f967e45e03f4bbu, 447},  // 1e173
    {0x8161afb94b44f57du, 0x1d1be0eebac278f5u, 451},  // 1e174
    {0xa1ba1ba79e1632dcu, 0x6462d92a69731732u, 454},  // 1e175
    {0xca28a291859bbf93u, 0x7d7b8f7503cfdcffu, 457},  // 1e176
    {0xfcb2cb35e702af78u, 0x5cda735244c3d43fu, 460},  // 1e177
    {0x9defbf01b061adabu, 0x3a0888136afa64a7u, 464},  // 1e178
    {0xc56baec21c7a1916u, 0x088aaa1845b8fdd1u, 467},  // 1e179
    {0xf6c69a72a3989f5bu, 0x8aad549e57273d45u, 470},  // 1e180
    {0x9a3c2087a63f6399u, 0x36ac54e2f678864bu, 474},  // 1e181
    {0xc0cb28a98fcf3c7fu, 0x84576a1bb416a7deu, 477},  // 1e182
    {0xf0fdf2d3f3c30b9fu, 0x656d44a2a11c51d5u, 480},  // 1e183
    {0x969eb7c47859e743u, 0x9f644ae5a4b1b325u, 484},  // 1e184
    {0xbc4665b596706114u, 0x873d5d9f0dde1fefu, 487},  // 1e185
    {0xeb57ff22fc0c7959u, 0xa90cb506d155a7eau, 490},  // 1e186
    {0x9316ff75dd87cbd8u, 0x09a7f12442d588f3u, 494},  // 1e187
    {0xb7dcbf5354e9beceu, 0x0c11ed6d538aeb2fu, 497},  // 1e188
    {0xe5d3ef282a242e81u, 0x8f1668c8a86da5fbu, 500},  // 1e189
    {0x8fa475791a569d10u, 0xf96e017d694487bdu, 504},  // 1e190
    {0xb38d92d760ec4455u, 0x37c981dcc395a9acu, 507},  // 1e191
    {0xe070f78d3927556au, 0x85bbe253f47b1417u, 510},  // 1e192
    {0x8c469ab843b89562u, 0x93956d7478ccec8eu, 514},  // 1e193
    {0xaf58416654a6babbu, 0x387ac8d1970027b2u, 517},  // 1e194
    {0xdb2e51bfe9d0696au, 0x06997b05fcc0319fu, 520},  // 1e195
    {0x88fcf317f22241e2u, 0x441fece3bdf81f03u, 524},  // 1e196
    {0xab3c2fddeeaad25au, 0xd527e81cad7626c4u, 527},  // 1e197
    {0xd60b3bd56a5586f1u, 0x8a71e223d8d3b075u, 530},  // 1e198
    {0x85c7056562757456u, 0xf6872d5667844e49u, 534},  // 1e199
    {0xa738c6bebb12d16cu, 0xb428f8ac016561dbu, 537},  // 1e200
    {0xd106f86e69d785c7u, 0xe13336d701beba52u, 540},  // 1e201
    {0x82a45b450226b39cu, 0xecc0024661173473u, 544},  // 1e202
    {0xa34d721642b06084u, 0x27f002d7f95d0190u, 547},  // 1e203
    {0xcc20ce9bd35c78a5u, 0x31ec038df7b441f4u, 550},  // 1e204
    {0xff290242c83396ceu, 0x7e67047175a15271u, 553},  // 1e205
    {0x9f79a169bd203e41u, 0x0f0062c6e984d387u, 557},  // 1e206
    {0xc75809c42c684dd1u, 0x52c07b78a3e60868u, 560},  // 1e207
    {0xf92e0c3537826145u, 0xa7709a56ccdf8a83u, 563},  // 1e208
    {0x9bbcc7a142b17ccbu, 0x88a66076400bb692u, 567},  // 1e209
    {0xc2abf989935ddbfeu, 0x6acff893d00ea436u, 570},  // 1e210
    {0xf356f7ebf83552feu, 0x0583f6b8c4124d43u, 573},  // 1e211
    {0x98165af37b2153deu, 0xc3727a337a8b704au, 577},  // 1e212
    {0xbe1bf1b059e9a8d6u, 0x744f18c0592e4c5du, 580},  // 1e213
    {0xeda2ee1c7064130cu, 0x1162def06f79df74u, 583},  // 1e214
    {0x9485d4d1c63e8be7u, 0x8addcb5645ac2ba8u, 587},  // 1e215
    {0xb9a74a0637ce2ee1u, 0x6d953e2bd7173693u, 590},  // 1e216
    {0xe8111c87c5c1ba99u, 0xc8fa8db6ccdd0437u, 593},  // 1e217
    {0x910ab1d4db9914a0u, 0x1d9c9892400a22a2u, 597},  // 1e218
    {0xb54d5e4a127f59c8u, 0x2503beb6d00cab4bu, 600},  // 1e219
    {0xe2a0b5dc971f303au, 0x2e44ae64840fd61eu, 603},  // 1e220
    {0x8da471a9de737e24u, 0x5ceaecfed289e5d3u, 607},  // 1e221
    {0xb10d8e1456105dadu, 0x7425a83e872c5f47u, 610},  // 1e222
    {0xdd50f1996b947518u, 0xd12f124e28f77719u, 613},  // 1e223
    {0x8a5296ffe33cc92fu, 0x82bd6b70d99aaa70u, 617},  // 1e224
    {0xace73cbfdc0bfb7bu, 0x636cc64d1001550cu, 620},  // 1e225
    {0xd8210befd30efa5au, 0x3c47f7e05401aa4fu, 623},  // 1e226
    {0x8714a775e3e95c78u, 0x65acfaec34810a71u, 627},  // 1e227
    {0xa8d9d1535ce3b396u, 0x7f1839a741a14d0du, 630},  // 1e228
    {0xd31045a8341ca07cu, 0x1ede48111209a051u, 633},  // 1e229
    {0x83ea2b892091e44du, 0x934aed0aab460432u, 637},  // 1e230
    {0xa4e4b66b68b65d60u, 0xf81da84d5617853fu, 640},  // 1e231
    {0xce1de40642e3f4b9u, 0x36251260ab9d668fu, 643},  // 1e232
    {0x80d2ae83e9ce78f3u, 0xc1d72b7c6b426019u, 647},  // 1e233
    {0xa1075a24e4421730u, 0xb24cf65b8612f820u, 650},  // 1e234
    {0xc94930ae1d529cfcu, 0xdee033f26797b628u, 653},  // 1e235
    {0xfb9b7cd9a4a7443cu, 0x169840ef017da3b1u, 656},  // 1e236
    {0x9d412e0806e88aa5u, 0x8e1f289560ee864fu, 660},  // 1e237
    {0xc491798a08a2ad4eu, 0xf1a6f2bab92a27e3u, 663},  // 1e238
    {0xf5b5d7ec8acb58a2u, 0xae10af696774b1dbu, 666},  // 1e239
    {0x9991a6f3d6bf1765u, 0xacca6da1e0a8ef29u, 670},  // 1e240
    {0xbff610b0cc6edd3fu, 0x17fd090a58d32af3u, 673},  // 1e241
    {0xeff394dcff8a948eu, 0xddfc4b4cef07f5b0u, 676},  // 1e242
    {0x95f83d0a1fb69cd9u, 0x4abdaf101564f98eu, 680},  // 1e243
    {0xbb764c4ca7a4440fu, 0x9d6d1ad41abe37f2u, 683},  // 1e244
    {0xea53df5fd18d5513u, 0x84c86189216dc5eeu, 686},  // 1e245
    {0x92746b9be2f8552cu, 0x32fd3cf5b4e49bb5u, 690},  // 1e246
    {0xb7118682dbb66a77u, 0x3fbc8c33221dc2a2u, 693},  // 1e247
    {0xe4d5e82392a40515u, 0x0fabaf3feaa5334au, 696},  // 1e248
    {0x8f05b1163ba6832du, 0x29cb4d87f2a7400eu, 700},  // 1e249
    {0xb2c71d5bca9023f8u, 0x743e20e9ef511012u, 703},  // 1e250
    {0xdf78e4b2bd342cf6u, 0x914da9246b255417u, 706},  // 1e251
    {0x8bab8eefb6409c1au, 0x1ad089b6c2f7548eu, 710},  // 1e252
    {0xae9672aba3d0c320u, 0xa184ac2473b529b2u, 713},  // 1e253
    {0xda3c0f568cc4f3e8u, 0xc9e5d72d90a2741eu, 716},  // 1e254
    {0x8865899617fb1871u, 0x7e2fa67c7a658893u, 720},  // 1e255
    {0xaa7eebfb9df9de8du, 0xddbb901b98feeab8u, 723},  // 1e256
    {0xd51ea6fa85785631u, 0x552a74227f3ea565u, 726},  // 1e257
    {0x8533285c936b35deu, 0xd53a88958f87275fu, 730},  // 1e258
    {0xa67ff273b8460356u, 0x8a892abaf368f137u, 733},  // 1e259
    {0xd01fef10a657842cu, 0x2d2b7569b0432d85u, 736},  // 1e260
    {0x8213f56a67f6b29bu, 0x9c3b29620e29fc73u, 740},  // 1e261
    {0xa298f2c501f45f42u, 0x8349f3ba91b47b90u, 743},  // 1e262
    {0xcb3f2f7642717713u, 0x241c70a936219a74u, 746},  // 1e263
    {0xfe0efb53d30dd4d7u, 0xed238cd383aa0111u, 749},  // 1e264
    {0x9ec95d1463e8a506u, 0xf4363804324a40abu, 753},  // 1e265
    {0xc67bb4597ce2ce48u, 0xb143c6053edcd0d5u, 756},  // 1e266
    {0xf81aa16fdc1b81dau, 0xdd94b7868e94050au, 759},  // 1e267
    {0x9b10a4e5e9913128u, 0xca7cf2b4191c8327u, 763},  // 1e268
    {0xc1d4ce1f63f57d72u, 0xfd1c2f611f63a3f0u, 766},  // 1e269
    {0xf24a01a73cf2dccfu, 0xbc633b39673c8cecu, 769},  // 1e270
    {0x976e41088617ca01u, 0xd5be0503e085d814u, 773},  // 1e271
    {0xbd49d14aa79dbc82u, 0x4b2d8644d8a74e19u, 776},  // 1e272
    {0xec9c459d51852ba2u, 0xddf8e7d60ed1219fu, 779},  // 1e273
    {0x93e1ab8252f33b45u, 0xcabb90e5c942b503u, 783},  // 1e274
    {0xb8da1662e7b00a17u, 0x3d6a751f3b936244u, 786},  // 1e275
    {0xe7109bfba19c0c9du, 0x0cc512670a783ad5u, 789},  // 1e276
    {0x906a617d450187e2u, 0x27fb2b80668b24c5u, 793},  // 1e277
    {0xb484f9dc9641e9dau, 0xb1f9f660802dedf6u, 796},  // 1e278
    {0xe1a63853bbd26451u, 0x5e7873f8a0396974u, 799},  // 1e279
    {0x8d07e33455637eb2u, 0xdb0b487b6423e1e8u, 803},  // 1e280
    {0xb049dc016abc5e5fu, 0x91ce1a9a3d2cda63u, 806},  // 1e281
    {0xdc5c5301c56b75f7u, 0x7641a140cc7810fbu, 809},  // 1e282
    {0x89b9b3e11b6329bau, 0xa9e904c87fcb0a9du, 813},  // 1e283
    {0xac2820d9623bf429u, 0x546345fa9fbdcd44u, 816},  // 1e284
    {0xd732290fbacaf133u, 0xa97c177947ad4095u, 819},  // 1e285
    {0x867f59a9d4bed6c0u, 0x49ed8eabcccc485du, 823},  // 1e286
    {0xa81f301449ee8c70u, 0x5c68f256bfff5a75u, 826},  // 1e287
    {0xd226fc195c6a2f8cu, 0x73832eec6fff3112u, 829},  // 1e288
    {0x83585d8fd9c25db7u, 0xc831fd53c5ff7eabu, 833},  // 1e289
    {0xa42e74f3d032f525u, 0xba3e7ca8b77f5e56u, 836},  // 1e290
    {0xcd3a1230c43fb26fu, 0x28ce1bd2e55f35ebu, 839},  // 1e291
    {0x80444b5e7aa7cf85u, 0x7980d163cf5b81b3u, 843},  // 1e292
    {0xa0555e361951c366u, 0xd7e105bcc3326220u, 846},  // 1e293
    {0xc86ab5c39fa63440u, 0x8dd9472bf3fefaa8u, 849},  // 1e294
    {0xfa856334878fc150u, 0xb14f98f6f0feb952u, 852},  // 1e295
    {0x9c935e00d4b9d8d2u, 0x6ed1bf9a569f33d3u, 856},  // 1e296
    {0xc3b8358109e84f07u, 0x0a862f80ec4700c8u, 859},  // 1e297
    {0xf4a642e14c6262c8u, 0xcd27bb612758c0fau, 862},  // 1e298
    {0x98e7e9cccfbd7dbdu, 0x8038d51cb897789cu, 866},  // 1e299
    {0xbf21e44003acdd2cu, 0xe0470a63e6bd56c3u, 869},  // 1e300
    {0xeeea5d5004981478u, 0x1858ccfce06cac74u, 872},  // 1e301
    {0x95527a5202df0ccbu, 0x0f37801e0c43ebc9u, 876},  // 1e302
    {0xbaa718e68396cffdu, 0xd30560258f54e6bbu, 879},  // 1e303
    {0xe950df20247c83fdu, 0x47c6b82ef32a2069u, 882},  // 1e304
    {0x91d28b7416cdd27eu, 0x4cdc331d57fa5442u, 886},  // 1e305
    {0xb6472e511c81471du, 0xe0133fe4adf8e952u, 889},  // 1e306
    {0xe3d8f9e563a198e5u, 0x58180fddd97723a7u, 892},  // 1e307
    {0x8e679c2f5e44ff8fu, 0x570f09eaa7ea7648u, 896},  // 1e308
    {0xb201833b35d63f73u, 0x2cd2cc6551e513dau, 899},  // 1e309
    {0xde81e40a034bcf4fu, 0xf8077f7ea65e58d1u, 902},  // 1e310
    {0x8b112e86420f6191u, 0xfb04afaf27faf783u, 906},  // 1e311
    {0xadd57a27d29339f6u, 0x79c5db9af1f9b563u, 909},  // 1e312
    {0xd94ad8b1c7380874u, 0x18375281ae7822bcu, 912},  // 1e313
    {0x87cec76f1c830548u, 0x8f2293910d0b15b6u, 916},  // 1e314
    {0xa9c2794ae3a3c69au, 0xb2eb3875504ddb23u, 919},  // 1e315
    {0xd433179d9c8cb841u, 0x5fa60692a46151ecu, 922},  // 1e316
    {0x849feec281d7f328u, 0xdbc7c41ba6bcd333u, 926},  // 1e317
    {0xa5c7ea73224deff3u, 0x12b9b522906c0800u, 929},  // 1e318
    {0xcf39e50feae16befu, 0xd768226b34870a00u, 932},  // 1e319
    {0x81842f29f2cce375u, 0xe6a1158300d46640u, 936},  // 1e320
    {0xa1e53af46f801c53u, 0x60495ae3c1097fd0u, 939},  // 1e321
    {0xca5e89b18b602368u, 0x385bb19cb14bdfc4u, 942},  // 1e322
    {0xfcf62c1dee382c42u, 0x46729e03dd9ed7b5u, 945},  // 1e323
    {0x9e19db92b4e31ba9u, 0x6c07a2c26a8346d1u, 949},  // 1e324
    {0xc5a05277621be293u, 0xc7098b7305241886u, 952},  // 1e325
    {0xf70867153aa2db38u, 0xb8cbee4fc66d1ea7u, 955},  // 1e326
    {0x9a65406d44a5c903u, 0x737f74f1dc043328u, 959},  // 1e327
    {0xc0fe908895cf3b44u, 0x505f522e53053ff2u, 962},  // 1e328
    {0xf13e34aabb430a15u, 0x647726b9e7c68fefu, 965},  // 1e329
    {0x96c6e0eab509e64du, 0x5eca783430dc19f5u, 969},  // 1e330
    {0xbc789925624c5fe0u, 0xb67d16413d132073u, 972},  // 1e331
    {0xeb96bf6ebadf77d8u, 0xe41c5bd18c57e88fu, 975},  // 1e332
    {0x933e37a534cbaae7u, 0x8e91b962f7b6f15au, 979},  // 1e333
    {0xb80dc58e81fe95a1u, 0x723627bbb5a4adb0u, 982},  // 1e334
    {0xe61136f2227e3b09u, 0xcec3b1aaa30dd91cu, 985},  // 1e335
    {0x8fcac257558ee4e6u, 0x213a4f0aa5e8a7b2u, 989},  // 1e336
    {0xb3bd72ed2af29e1fu, 0xa988e2cd4f62d19eu, 992},  // 1e337
    {0xe0accfa875af45a7u, 0x93eb1b80a33b8605u, 995},  // 1e338
    {0x8c6c01c9498d8b88u, 0xbc72f130660533c3u, 999},  // 1e339
};

// The doubles nearest to 10^n, n = -323..308, for the decade of a value: for
// n outside 0..22 they are rounded, and a value equal to a rounded-down entry
// gets a decade one too high, which the fast path detects and leaves to the
// exact path.
inline constexpr int pow10_double_min = -323;
inline constexpr int pow10_double_max = 308;

inline constexpr double pow10_double[pow10_double_max - pow10_double_min + 1] = {
    1e-323, 1e-322, 1e-321, 1e-320, 1e-319, 1e-318, 1e-317, 1e-316,
    1e-315, 1e-314, 1e-313, 1e-312, 1e-311, 1e-310, 1e-309, 1e-308,
    1e-307, 1e-306, 1e-305, 1e-304, 1e-303, 1e-302, 1e-301, 1e-300,
    1e-299, 1e-298, 1e-297, 1e-296, 1e-295, 1e-294, 1e-293, 1e-292,
    1e-291, 1e-290, 1e-289, 1e-288, 1e-287, 1e-286, 1e-285, 1e-284,
    1e-283, 1e-282, 1e-281, 1e-280, 1e-279, 1e-278, 1e-277, 1e-276,
    1e-275, 1e-274, 1e-273, 1e-272, 1e-271, 1e-270, 1e-269, 1e-268,
    1e-267, 1e-266, 1e-265, 1e-264, 1e-263, 1e-262, 1e-261, 1e-260,
    1e-259, 1e-258, 1e-257, 1e-256, 1e-255, 1e-254, 1e-253, 1e-252,
    1e-251, 1e-250, 1e-249, 1e-248, 1e-247, 1e-246, 1e-245, 1e-244,
    1e-243, 1e-242, 1e-241, 1e-240, 1e-239, 1e-238, 1e-237, 1e-236,
    1e-235, 1e-234, 1e-233, 1e-232, 1e-231, 1e-230, 1e-229, 1e-228,
    1e-227, 1e-226, 1e-225, 1e-224, 1e-223, 1e-222, 1e-221, 1e-220,
    1e-219, 1e-218, 1e-217, 1e-216, 1e-215, 1e-214, 1e-213, 1e-212,
    1e-211, 1e-210, 1e-209, 1e-208, 1e-207, 1e-206, 1e-205, 1e-204,
    1e-203, 1e-202, 1e-201, 1e-200, 1e-199, 1e-198, 1e-197, 1e-196,
    1e-195, 1e-194, 1e-193, 1e-192, 1e-191, 1e-190, 1e-189, 1e-188,
    1e-187, 1e-186, 1e-185, 1e-184, 1e-183, 1e-182, 1e-181, 1e-180,
    1e-179, 1e-178, 1e-177, 1e-176, 1e-175, 1e-174, 1e-173, 1e-172,
    1e-171, 1e-170, 1e-169, 1e-168, 1e-167, 1e-166, 1e-165, 1e-164,
    1e-163, 1e-162, 1e-161, 1e-160, 1e-159, 1e-158, 1e-157, 1e-156,
    1e-155, 1e-154, 1e-153, 1e-152, 1e-151, 1e-150, 1e-149, 1e-148,
    1e-147, 1e-146, 1e-145, 1e-144, 1e-143, 1e-142, 1e-141, 1e-140,
    1e-139, 1e-138, 1e-137, 1e-136, 1e-135, 1e-134, 1e-133, 1e-132,
    1e-131, 1e-130, 1e-129, 1e-128, 1e-127, 1e-126, 1e-125, 1e-124,
    1e-123, 1e-122, 1e-121, 1e-120, 1e-119, 1e-118, 1e-117, 1e-116,
    1e-115, 1e-114, 1e-113, 1e-112, 1e-111, 1e-110, 1e-109, 1e-108,
    1e-107, 1e-106, 1e-105, 1e-104, 1e-103, 1e-102, 1e-101, 1e-100,
    1e-99, 1e-98, 1e-97, 1e-96, 1e-95, 1e-94, 1e-93, 1e-92,
    1e-91, 1e-90, 1e-89, 1e-88, 1e-87, 1e-86, 1e-85, 1e-84,
    1e-83, 1e-82, 1e-81, 1e-80, 1e-79, 1e-78, 1e-77, 1e-76,
    1e-75, 1e-74, 1e-73, 1e-72, 1e-71, 1e-70, 1e-69, 1e-68,
    1e-67, 1e-66, 1e-65, 1e-64, 1e-63, 1e-62, 1e-61, 1e-60,
    1e-59, 1e-58, 1e-57, 1e-56, 1e-55, 1e-54, 1e-53, 1e-52,
    1e-51, 1e-50, 1e-49, 1e-48, 1e-47, 1e-46, 1e-45, 1e-44,
    1e-43, 1e-42, 1e-41, 1e-40, 1e-39, 1e-38, 1e-37, 1e-36,
    1e-35, 1e-34, 1e-33, 1e-32, 1e-31, 1e-30, 1e-29, 1e-28,
    1e-27, 1e-26, 1e-25, 1e-24, 1e-23, 1e-22, 1e-21, 1e-20,
    1e-19, 1e-18, 1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12,
    1e-11, 1e-10, 1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4,
    1e-3, 1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4,
    1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12,
    1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20,
    1e21, 1e22, 1e23, 1e24, 1e25, 1e26, 1e27, 1e28,
    1e29, 1e30, 1e31, 1e32, 1e33, 1e34, 1e35, 1e36,
    1e37, 1e38, 1e39, 1e40, 1e41, 1e42, 1e43, 1e44,
    1e45, 1e46, 1e47, 1e48, 1e49, 1e50, 1e51, 1e52,
    1e53, 1e54, 1e55, 1e56, 1e57, 1e58, 1e59, 1e60,
    1e61, 1e62, 1e63, 1e64, 1e65, 1e66, 1e67, 1e68,
    1e69, 1e70, 1e71, 1e72, 1e73, 1e74, 1e75, 1e76,
    1e77, 1e78, 1e79, 1e80, 1e81, 1e82, 1e83, 1e84,
    1e85, 1e86, 1e87, 1e88, 1e89, 1e90, 1e91, 1e92,
    1e93, 1e94, 1e95, 1e96, 1e97, 1e98, 1e99, 1e100,
    1e101, 1e102, 1e103, 1e104, 1e105, 1e106, 1e107, 1e108,
    1e109, 1e110, 1e111, 1e112, 1e113, 1e114, 1e115, 1e116,
    1e117, 1e118, 1e119, 1e120, 1e121, 1e122, 1e123, 1e124,
    1e125, 1e126, 1e127, 1e128, 1e129, 1e130, 1e131, 1e132,
    1e133, 1e134, 1e135, 1e136, 1e137, 1e138, 1e139, 1e140,
    1e141, 1e142, 1e143, 1e144, 1e145, 1e146, 1e147, 1e148,
    1e149, 1e150, 1e151, 1e152, 1e153, 1e154, 1e155, 1e156,
    1e157, 1e158, 1e159, 1e160, 1e161, 1e162, 1e163, 1e164,
    1e165, 1e166, 1e167, 1e168, 1e169, 1e170, 1e171, 1e172,
    1e173, 1e174, 1e175, 1e176, 1e177, 1e178, 1e179, 1e180,
    1e181, 1e182, 1e183, 1e184, 1e185, 1e186, 1e187, 1e188,
    1e189, 1e190, 1e191, 1e192, 1e193, 1e194, 1e195, 1e196,
    1e197, 1e198, 1e199, 1e200, 1e201, 1e202, 1e203, 1e204,
    1e205, 1e206, 1e207, 1e208, 1e209, 1e210, 1e211, 1e212,
    1e213, 1e214, 1e215, 1e216, 1e217, 1e218, 1e219, 1e220,
    1e221, 1e222, 1e223, 1e224, 1e225, 1e226, 1e227, 1e228,
    1e229, 1e230, 1e231, 1e232, 1e233, 1e234, 1e235, 1e236,
    1e237, 1e238, 1e239, 1e240, 1e241, 1e242, 1e243, 1e244,
    1e245, 1e246, 1e247, 1e248, 1e249, 1e250, 1e251, 1e252,
    1e253, 1e254, 1e255, 1e256, 1e257, 1e258, 1e259, 1e260,
    1e261, 1e262, 1e263, 1e264, 1e265, 1e266, 1e267, 1e268,
    1e269, 1e270, 1e271, 1e272, 1e273, 1e274, 1e275, 1e276,
    1e277, 1e278, 1e279, 1e280, 1e281, 1e282, 1e283, 1e284,
    1e285, 1e286, 1e287, 1e288, 1e289, 1e290, 1e291, 1e292,
    1e293, 1e294, 1e295, 1e296, 1e297, 1e298, 1e299, 1e300,
    1e301, 1e302, 1e303, 1e304, 1e305, 1e306, 1e307, 1e308,
};

}  // namespace tembrix
