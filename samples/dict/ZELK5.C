¡cake {–¼} : ƒP[ƒL
* a piece of cake : ƒP[ƒL1Ø‚êA’©”Ñ‘O‚Ì‚±‚Æ
¡can {•“®} : `‚Å‚«‚éA`‚µ‚Ä‚à‚æ‚¢
* Can you swim? : ‰j‚°‚Ü‚·‚©B
¡can {–¼} : ŠÊ
¡can't {•“®} : cannot ‚Ì’ZkŒ`
* I can't find my key. : Œ®‚ªŒ©‚Â‚©‚ç‚È‚¢B
¡car {–¼} : ÔA©“®Ô
¡cat {–¼} : ”LAƒlƒR
* The cat is sleeping on the sofa. : ”L‚ªƒ\ƒtƒ@‚Ìã‚Å–°‚Á‚Ä‚¢‚éB
œlet the cat out of the bag : ‚¤‚Á‚©‚è”é–§‚ğ˜R‚ç‚·
œrain cats and dogs : i‰J‚ªj“y»~‚è‚É~‚é
¡catalog {–¼} : ƒJƒ^ƒƒOA–Ú˜^
¡catch {‘¼“®} : `‚ğ•ß‚Ü‚¦‚éAi—ñÔ‚È‚Çj‚ÉŠÔ‚É‡‚¤
¡category {–¼} : •”—ŞAƒJƒeƒSƒŠ[A”Íáe
¡center {–¼} : ’†SA’†‰›AƒZƒ“ƒ^[
* a shopping center : ƒVƒ‡ƒbƒsƒ“ƒOƒZƒ“ƒ^[
¡chair {–¼} : ˆÖq
¡chopsticks {–¼} : ”¢
¡city {–¼} : “ssAs
¡clock {–¼} : ŒvA’u‚«Œv
¡coffee {–¼} : ƒR[ƒq[
* Would you like some coffee? : ƒR[ƒq[‚Í‚¢‚©‚ª‚Å‚·‚©B
œcoffee break : ƒR[ƒq[‹xŒeA‹x‚İŠÔ
¡coffee shop {–¼} : ‹i’ƒ“XAƒR[ƒq[ƒVƒ‡ƒbƒv
¡color {–¼} : FAFÊ
¡computer {–¼} : ƒRƒ“ƒsƒ…[ƒ^[A“dqŒvZ‹@
¡concatenate {‘¼“®} : `‚ğ˜AŒ‹‚·‚éA‚Â‚È‚¬‡‚í‚¹‚é
¡control tower {–¼} : k‹ó`‚ÌlŠÇ§“ƒ
¡cook {‘¼“®} : `‚ğ—¿—‚·‚é
¡cook {–¼} : —¿—lAƒRƒbƒN
¡cup {–¼} : ƒJƒbƒvA’ƒ‚í‚ñ
œa cup of tea : ‚¨’ƒ1”t
¡curry {–¼} : ƒJƒŒ[
